#include "export/GridWindow.h"

#include "export/DocumentExport.h"
#include "export/ExportGrid.h"
#include "help/Help.h"
#include "platform/AppContext.h"
#include "ui/Centring.h"
#include "ui/PictureButton.h"
#include "ui/StatusHints.h"
#include "ui/Theme.h"

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
constexpr int rowHeight = 21;

PictureButton *bandButton(
    const char *objectName, const QString &artwork, const char *words, const char *statusText, QWidget *parent)
{
    auto *button = new PictureButton(QString::fromLatin1(objectName), artwork, parent);
    button->setAccessibleName(QString::fromUtf8(words));
    button->setStatusText(QString::fromUtf8(statusText));
    return button;
}

} // namespace

GridWindow::GridWindow(AppContext &context, QWidget *owner, const Look &look)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_context(context)
    , m_format(look.format)
    , m_grid(new ExportGrid(look.format.columns, this))
{
    setObjectName(look.objectName);
    setWindowTitle(look.caption);
    setFixedSize(windowSize);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#%1 { background: %2; }").arg(look.objectName, Theme::css(Theme::Colour::GridBackdrop)));

    QWidget *band = buildBand(look.titleArtwork);
    band->setGeometry(0, 0, windowSize.width(), bandHeight);
    QTableView *gridView = buildGrid(look);
    gridView->setGeometry(gridGeometry);

    auto *status = new QLabel(QStringLiteral("Esportazione archivio in Microsoft Excel."), this);
    status->setObjectName(QStringLiteral("panInfo"));
    status->setGeometry(statusGeometry);
    status->setFont(Theme::font(Theme::Font::Information));
    status->setStyleSheet(
        Theme::informationBar(Theme::colour(Theme::Colour::InformationBar), false));

    m_hints = new StatusHints(status);
    m_hints->addPictureButtons(band);
    for (QWidget *background : std::initializer_list<QWidget *> { this, band, gridView, gridView->viewport() })
        m_hints->addBackground(background);

    connect(cmdEsporta, &PictureButton::clicked, this,
        [this] { exportGridToSpreadsheet(m_context, this, *m_grid, m_format); });
    connect(cmdGuida, &PictureButton::clicked, this, [this, help = look.help] { openHelp(m_context, this, help); });
    connect(cmdEsci, &PictureButton::clicked, this, &QDialog::reject);
    connect(gridView, &QTableView::doubleClicked, this,
        [this](const QModelIndex &index) { rowDoubleClicked(index.row()); });
    move(centredIn(context.platform.screen.size(), size()));
}

void GridWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        showRows(readRows());
}

void GridWindow::showRows(ExportRows rows)
{
    m_grid->setRows(std::move(rows));
}

void GridWindow::addToBand(QWidget *controls)
{
    m_bandRow->insertWidget(1, controls, 0, Qt::AlignVCenter);
}

PictureButton *GridWindow::addBandButton(
    const char *objectName, const QString &artwork, const char *words, const char *statusText)
{
    PictureButton *button = bandButton(objectName, artwork, words, statusText, cmdEsporta->parentWidget());
    m_bandRow->insertWidget(m_bandRow->indexOf(cmdEsporta), button, 0, Qt::AlignVCenter);
    m_hints->addHint(button, button->statusText());
    return button;
}

void GridWindow::rowDoubleClicked(int) { }

QWidget *GridWindow::buildBand(const QString &titleArtwork)
{
    auto *band = new QWidget(this);
    band->setObjectName(QStringLiteral("panIntestazione"));
    band->setAttribute(Qt::WA_StyledBackground);
    band->setStyleSheet(QStringLiteral("#panIntestazione { background: white; }"));

    auto *logo = new QSvgWidget(titleArtwork, band);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setFixedSize(logo->sizeHint());

    cmdEsporta = bandButton("cmdEsporta", QStringLiteral(":/export/esporta.svg"), "Esporta in Excel",
        "Esporta l'archivio in formato Microsoft Excel.", band);
    cmdGuida = bandButton("cmdGuida", QStringLiteral(":/export/guida.svg"), "Guida",
        "Visualizza la pagina della guida sensibile al contesto.", band);
    cmdEsci = bandButton("cmdEsci", QStringLiteral(":/export/esci.svg"), "Esci", "Esci da questo ambiente di lavoro.", band);

    m_bandRow = new QHBoxLayout(band);
    m_bandRow->setContentsMargins(20, 4, 20, 4);
    m_bandRow->setSpacing(6);
    m_bandRow->addWidget(logo, 0, Qt::AlignVCenter);
    m_bandRow->addStretch();
    for (PictureButton *button : { cmdEsporta, cmdGuida, cmdEsci })
        m_bandRow->addWidget(button, 0, Qt::AlignVCenter);
    return band;
}

QTableView *GridWindow::buildGrid(const Look &look)
{
    auto *view = new QTableView(this);
    view->setObjectName(look.gridName);
    view->setModel(m_grid);
    view->setAlternatingRowColors(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < int(look.columnWidths.size()); ++column)
        view->setColumnWidth(column, look.columnWidths[column]);
    return view;
}
