#include "owners/frmRicontatta.h"

#include "app/AppContext.h"
#include "export/printing/ListReport.h"
#include "search/ArchiveSearch.h"
#include "search/ResultLines.h"
#include "storage/Flags.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "ui/Centring.h"
#include "ui/GradientWidget.h"
#include "ui/LineList.h"
#include "ui/ListPanel.h"

#include <QPushButton>
#include <QShowEvent>
#include <QSvgWidget>

namespace {

constexpr QSize windowSize(862, 560);
constexpr QSize panelSize(833, 529);
constexpr QSize logoSize(420, 56);

} // namespace

frmRicontatta::frmRicontatta(AppContext &context, QWidget *ownerCard, ShowOwner showOwner)
    : QDialog(ownerCard, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_context(context)
    , m_showOwner(std::move(showOwner))
{
    setObjectName(QStringLiteral("frmRicontatta"));
    setWindowTitle(QStringLiteral(" Riepilogo proprietari da ricontattare"));
    setFixedSize(windowSize);

    auto *background = new GradientWidget(Qt::black, this);
    background->setGeometry(rect());
    auto *logo = new QSvgWidget(QStringLiteral(":/owners/recontact/logo_ricontatta.svg"));
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setFixedSize(logoSize);
    m_panel = new ListPanel(QStringLiteral("panRicontatta"), context.platform.messages, background, logo);
    m_panel->setFixedSize(panelSize);
    m_panel->move(centredIn(windowSize, panelSize));

    connect(m_panel->btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_panel->btnStampa, &QPushButton::clicked, this, [this] {
        printList(m_context, this, QStringLiteral("Riepilogo proprietari da ricontattare"), m_panel->lstRecords->lines());
    });
    connect(m_panel->lstRecords, &LineList::doubleClicked, this, &frmRicontatta::lstRecordsDoubleClick);

    move(centredIn(context.platform.screen.size(), size()));
}

void frmRicontatta::open(AppContext &context, QWidget *ownerCard, ShowOwner showOwner)
{
    frmRicontatta window(context, ownerCard, std::move(showOwner));
    window.exec();
}

QString frmRicontatta::archivePath() const
{
    return m_context.folder.filePath(OwnerRecord::fileName);
}

void frmRicontatta::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        fillList();
}

void frmRicontatta::fillList()
{
    QStringList lines;
    try {
        RecordFile file;
        file.openOrCreate(archivePath(), OwnerRecord::recordSize);
        ArchiveSearch::collectLines(file, OwnerRecord::layout(),
            [](RecordView owner) { return owner.value(OwnerRecord::Ricontatta) == FlagText::yes(); },
            ResultLines::ownerToRecontact, lines);
        file.closeFile();
    } catch (const std::exception &) {
        // Not reported: the list shows the owners read before the failure.
    }
    ResultLines::sortAsListed(lines);
    m_panel->lstRecords->setLines(std::move(lines));
    m_panel->startFinding();
}

void frmRicontatta::lstRecordsDoubleClick()
{
    // A failed load, or nothing chosen, just closes: what was loaded stays.
    if (const std::optional<QString> line = m_panel->lstRecords->selectedLine()) {
        try {
            RecordFile file;
            file.openOrCreate(archivePath(), OwnerRecord::recordSize);
            // Every owner takes part, marked or not: the line alone names the card.
            ArchiveSearch::loadRecordsWithLine(file, OwnerRecord::layout(), ResultLines::ownerToRecontact, *line,
                                               m_showOwner);
            file.closeFile();
        } catch (const std::exception &) {
        }
    }
    accept();
}
