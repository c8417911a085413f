#include "schedule/SummaryWindow.h"

#include "app/AppContext.h"
#include "export/printing/ListReport.h"
#include "search/ArchiveSearch.h"
#include "search/ResultLines.h"
#include "storage/Flags.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ShortText.h"
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

const SummaryWindow::Description &SummaryWindow::paymentsToMake()
{
    static const Description description { QStringLiteral("frmConfermati"),
        QStringLiteral(" Riepilogo pagamenti da effettuare"), QStringLiteral("Riepilogo pagamenti da effettuare"),
        ScheduleRecord::Effettuata, FlagText::no() };
    return description;
}

const SummaryWindow::Description &SummaryWindow::paymentsMade()
{
    static const Description description { QStringLiteral("frmNonConfermati"),
        QStringLiteral(" Riepilogo pagamenti effettuati"), QStringLiteral("Riepilogo pagamenti effettuati"),
        ScheduleRecord::Effettuata, FlagText::yes() };
    return description;
}

const SummaryWindow::Description &SummaryWindow::appointmentsToConfirm()
{
    static const Description description { QStringLiteral("frmDaConfermare"),
        QStringLiteral(" Riepilogo appuntamenti da confermare"), QStringLiteral("Riepilogo appuntamenti da confermare"),
        ScheduleRecord::DaConfermare, FlagText::yes() };
    return description;
}

SummaryWindow::SummaryWindow(AppContext &context, QWidget *schedule, const Description &description,
                             const QString &yearFilePath, ShowEntry showEntry)
    : QDialog(schedule, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_context(context)
    , m_description(description)
    , m_yearFilePath(trimmedText(yearFilePath))
    , m_showEntry(std::move(showEntry))
{
    setObjectName(description.objectName);
    setWindowTitle(description.caption);
    setFixedSize(windowSize);

    auto *background = new GradientWidget(Qt::black, this);
    background->setGeometry(rect());
    auto *logo = new QSvgWidget(QStringLiteral(":/schedule/riepilogo.svg"));
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setFixedSize(logoSize);
    m_panel = new ListPanel(QStringLiteral("panRiepilogo"), context.platform.messages, background, logo);
    m_panel->setFixedSize(panelSize);
    m_panel->move(centredIn(windowSize, panelSize));

    connect(m_panel->btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_panel->btnStampa, &QPushButton::clicked, this, &SummaryWindow::btnStampaClick);
    connect(m_panel->lstRecords, &LineList::doubleClicked, this, &SummaryWindow::lstRecordsDoubleClick);

    move(centredIn(context.platform.screen.size(), size()));
}

void SummaryWindow::open(AppContext &context, QWidget *schedule, const Description &description,
                         const QString &yearFilePath, ShowEntry showEntry)
{
    SummaryWindow window(context, schedule, description, yearFilePath, std::move(showEntry));
    window.exec();
}

void SummaryWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        fillList();
}

void SummaryWindow::fillList()
{
    QStringList lines;
    try {
        RecordFile file;
        file.openOrCreate(m_yearFilePath, ScheduleRecord::recordSize);
        // The deadline plays no part: every entry of the year in the state
        // is listed, past or future.
        ArchiveSearch::collectLines(file, ScheduleRecord::layout(),
            [this](RecordView entry) { return entry.value(m_description.flag) == m_description.flagText; },
            ResultLines::scheduleEntry, lines);
        file.closeFile();
    } catch (const RecordFileError &) {
        // Not reported: the list shows the entries read before the failure.
    }
    ResultLines::sortAsListed(lines);
    m_panel->lstRecords->setLines(std::move(lines));
    m_panel->startFinding();
}

void SummaryWindow::btnStampaClick()
{
    printList(m_context, this, m_description.printTitle, m_panel->lstRecords->lines());
}

void SummaryWindow::lstRecordsDoubleClick()
{
    // A failed load, or nothing chosen, just closes: what was loaded stays.
    if (const std::optional<QString> line = m_panel->lstRecords->selectedLine()) {
        try {
            RecordFile file;
            file.openOrCreate(m_yearFilePath, ScheduleRecord::recordSize);
            // Every entry takes part, whatever its flags: the line alone names it.
            ArchiveSearch::loadRecordsWithLine(file, ScheduleRecord::layout(), ResultLines::scheduleEntry, *line,
                                               m_showEntry);
            file.closeFile();
        } catch (const RecordFileError &) {
        }
    }
    accept();
}
