#include "export/frmExpArchivio.h"

#include "app/AppContext.h"
#include "app/Help.h"
#include "export/DocumentExport.h"
#include "export/ExportGrid.h"
#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/ShortText.h"
#include "ui/Centring.h"
#include "ui/PictureButton.h"
#include "ui/StatusHints.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QSvgWidget>
#include <QTableView>

namespace {

constexpr QSize windowSize(862, 560);
constexpr int bandHeight = 72;
constexpr QRect gridGeometry(20, 86, 821, 409);
constexpr QRect statusGeometry(20, 507, 821, 32);
constexpr int runningNumberWidth = 60;
constexpr int rowHeight = 21;

PictureButton *bandButton(
    const char *objectName, const char *artwork, const char *words, const char *statusText, QWidget *parent)
{
    auto *button = new PictureButton(QString::fromLatin1(objectName),
        QStringLiteral(":/export/%1.svg").arg(QLatin1StringView(artwork)), parent);
    button->setAccessibleName(QString::fromUtf8(words));
    button->setStatusText(QString::fromUtf8(statusText));
    return button;
}

} // namespace

frmExpArchivio::frmExpArchivio(
    AppContext &context, QWidget *owner, const Description &description, const QString &archivePath)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_context(context)
    , m_description(description)
    , m_archivePath(archivePath)
{
    setObjectName(description.objectName);
    setWindowTitle(description.caption);
    setFixedSize(windowSize);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("frmExpArchivio { background: #EEEDED; }"));

    QWidget *band = buildBand();
    band->setGeometry(0, 0, windowSize.width(), bandHeight);
    QTableView *view = buildGrid();
    view->setGeometry(gridGeometry);

    auto *status = new QLabel(QStringLiteral("Esportazione archivio in Microsoft Excel."), this);
    status->setObjectName(QStringLiteral("panInfo"));
    status->setGeometry(statusGeometry);
    status->setFont(QFont(QStringLiteral("Tahoma"), 12));
    status->setStyleSheet(
        QStringLiteral("#panInfo { background: #6A5ACD; color: white; padding-left: 10px; }"));

    auto *hints = new StatusHints(status);
    hints->addPictureButtons(band);
    for (QWidget *background : std::initializer_list<QWidget *> { this, band, view, view->viewport() })
        hints->addBackground(background);

    move(centredIn(context.platform.screen.size(), size()));
}

QWidget *frmExpArchivio::buildBand()
{
    auto *band = new QWidget(this);
    band->setObjectName(QStringLiteral("panIntestazione"));
    band->setAttribute(Qt::WA_StyledBackground);
    band->setStyleSheet(QStringLiteral("#panIntestazione { background: white; }"));

    auto *logo = new QSvgWidget(QStringLiteral(":/export/logo.svg"), band);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setFixedSize(logo->sizeHint());

    PictureButton *cmdEsporta = bandButton(
        "cmdEsporta", "esporta", "Esporta in Excel", "Esporta l'archivio in formato Microsoft Excel.", band);
    PictureButton *cmdGuida = bandButton(
        "cmdGuida", "guida", "Guida", "Visualizza la pagina della guida sensibile al contesto.", band);
    PictureButton *cmdEsci
        = bandButton("cmdEsci", "esci", "Esci", "Esci da questo ambiente di lavoro.", band);
    connect(cmdEsporta, &PictureButton::clicked, this, &frmExpArchivio::cmdEsportaClick);
    connect(cmdGuida, &PictureButton::clicked, this,
        [this] { openHelp(m_context, this, m_description.helpPage); });
    connect(cmdEsci, &PictureButton::clicked, this, &QDialog::reject);

    auto *row = new QHBoxLayout(band);
    row->setContentsMargins(20, 4, 20, 4);
    row->setSpacing(6);
    row->addWidget(logo, 0, Qt::AlignVCenter);
    row->addStretch();
    for (PictureButton *button : { cmdEsporta, cmdGuida, cmdEsci })
        row->addWidget(button, 0, Qt::AlignVCenter);
    return band;
}

QTableView *frmExpArchivio::buildGrid()
{
    const SpreadsheetFormat &format = m_description.archive.format;
    m_grid = new ExportGrid(format.columns, this);
    auto *view = new QTableView(this);
    view->setObjectName(QStringLiteral("grdArchivio"));
    view->setModel(m_grid);
    view->setAlternatingRowColors(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->setColumnWidth(0, runningNumberWidth);
    for (int column = 0; column < int(format.columns.size()); ++column)
        view->setColumnWidth(column + 1, format.columns[column].width);
    return view;
}

void frmExpArchivio::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Read once, when the window opens: records saved meanwhile wait for the
    // next opening.
    if (!event->spontaneous())
        m_grid->setRows(SpreadsheetExports::readArchiveRows(m_archivePath, m_description.archive));
}

void frmExpArchivio::cmdEsportaClick()
{
    exportGridToSpreadsheet(m_context, this, *m_grid, m_description.archive.format);
}

void frmExpArchivio::openForDogs(AppContext &context, QWidget *owner)
{
    static const Description description {
        QStringLiteral("frmExpCani"),
        QStringLiteral(" Esporta archivio anagrafico cani in Microsoft Excel"),
        HelpPage::DogExport,
        SpreadsheetExports::dogs(),
    };
    frmExpArchivio window(context, owner, description, context.folder.filePath(DogRecord::fileName));
    window.exec();
}

void frmExpArchivio::openForOwners(AppContext &context, QWidget *owner)
{
    static const Description description {
        QStringLiteral("frmExpClienti"),
        QStringLiteral(" Esporta archivio proprietari in Microsoft Excel"),
        HelpPage::OwnerExport,
        SpreadsheetExports::owners(),
    };
    frmExpArchivio window(context, owner, description, context.folder.filePath(OwnerRecord::fileName));
    window.exec();
}

void frmExpArchivio::openForSchedule(AppContext &context, QWidget *owner, const QString &yearFilePath)
{
    static const Description description {
        QStringLiteral("frmExpScadenzario"),
        QStringLiteral(" Esporta archivio Scadenzario pagamenti"),
        HelpPage::ScheduleExport,
        SpreadsheetExports::schedule(),
    };
    frmExpArchivio window(context, owner, description, trimmedText(yearFilePath));
    window.exec();
}
