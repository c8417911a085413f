#include "search/FlaggedListWindow.h"

#include "platform/AppContext.h"
#include "report/printing/ListReport.h"
#include "search/ResultLines.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ShortText.h"
#include "ui/ArchiveWindow.h"
#include "ui/Centring.h"
#include "ui/GradientWidget.h"
#include "ui/LineList.h"
#include "ui/ListPanel.h"
#include "ui/Theme.h"

#include <QPushButton>
#include <QShowEvent>
#include <QSvgWidget>

namespace {

constexpr QSize windowSize(862, 560);
constexpr QSize panelSize(833, 529);
constexpr QSize logoSize(420, 56);

} // namespace

FlaggedListWindow::FlaggedListWindow(AppContext &context, QWidget *opener, const Description &description,
                                     const QString &filePath, ShowRecord showRecord)
    : QDialog(opener, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_context(context)
    , m_description(description)
    , m_filePath(trimmedText(filePath))
    , m_showRecord(std::move(showRecord))
{
    setObjectName(description.objectName);
    setWindowTitle(description.caption);
    setFixedSize(windowSize);

    auto *background = new GradientWidget(Theme::colour(Theme::Colour::SearchBackdrop), this);
    background->setGeometry(rect());
    auto *logo = new QSvgWidget(description.logo);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setFixedSize(logoSize);
    m_panel = new ListPanel(description.panelName, context.platform.messages, background, logo);
    m_panel->setFixedSize(panelSize);
    m_panel->move(centredIn(windowSize, panelSize));

    connect(m_panel->btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_panel->btnStampa, &QPushButton::clicked, this, &FlaggedListWindow::btnStampaClick);
    connect(m_panel->lstRecords, &LineList::doubleClickedAnywhere, this, &FlaggedListWindow::lstRecordsDoubleClick);

    move(centredIn(context.platform.screen.size(), size()));
}

void FlaggedListWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        fillList();
}

void FlaggedListWindow::fillList()
{
    ResultLines::Listing flagged;
    try {
        RecordFile file;
        file.openOrCreate(m_filePath, m_description.layout.recordSize());
        ArchiveSearch::collectLines(file, m_description.layout,
            ArchiveSearch::FieldHolds(m_description.flag, m_description.flagText),
            m_description.lineOf, flagged);
        file.closeFile();
    } catch (const RecordFileError &) {
        // Not reported: the list shows the records read before the failure.
    }
    ResultLines::sortAsListed(flagged);
    m_panel->lstRecords->setLines(std::move(flagged.lines), std::move(flagged.positions));
    m_panel->startFinding();
}

void FlaggedListWindow::btnStampaClick()
{
    printList(m_context, this, m_description.printTitle, m_panel->lstRecords->lines());
}

void FlaggedListWindow::lstRecordsDoubleClick()
{
    // A failed load, or nothing chosen, just closes: what was loaded stays.
    const LineList *list = m_panel->lstRecords;
    if (const std::optional<int> row = list->selectedRow()) {
        // Kept from being replaced, the card stays as it was and the list
        // stays open for another choice.
        if (!ArchiveWindow::mayReplaceCardOf(parentWidget()))
            return;
        try {
            RecordFile file;
            file.openOrCreate(m_filePath, m_description.layout.recordSize());
            ArchiveSearch::loadRecordsAt(file, m_description.layout,
                ResultLines::positionsAlike({ list->lines(), list->positions() }, *row), m_showRecord);
            file.closeFile();
        } catch (const RecordFileError &) {
        }
    }
    accept();
}
