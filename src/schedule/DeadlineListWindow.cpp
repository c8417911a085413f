#include "schedule/DeadlineListWindow.h"

#include "export/SpreadsheetExports.h"
#include "platform/AppContext.h"

namespace {

// "N.", the entry's fields from Data to Note, "Codice univoco": the grid's own
// widths (the spreadsheet file sets its columns apart).
constexpr int columnWidths[] = { 60, 150, 150, 250, 180, 250, 250, 180, 250, 250, 200, 250, 250, 300, 300, 180,
    250, 200, 200, 300, 150 };

} // namespace

DeadlineListWindow::DeadlineListWindow(AppContext &context, QWidget *owner, const Description &description,
    QDate day, HealthEntryOpener openHealthEntry)
    : GridWindow(context, owner,
        { description.objectName, description.caption, QStringLiteral(":/schedule/scadenze_elenco.svg"),
            QStringLiteral("grdRecords"), columnWidths, description.format, description.help })
    , m_description(description)
    , m_day(day)
    , m_openHealthEntry(std::move(openHealthEntry))
{
}

ExportRows DeadlineListWindow::readRows() const
{
    DeadlineLists::Rows rows = DeadlineLists::read(m_context.folder, m_description.kind, m_day);
    m_healthRows = std::move(rows.health);
    return std::move(rows.grid);
}

void DeadlineListWindow::rowDoubleClicked(int row)
{
    const auto found = m_healthRows.constFind(row);
    if (found == m_healthRows.cend() || !m_openHealthEntry)
        return;
    m_openHealthEntry(this, found->dog, found->entry);
    // The booklet may have changed what is due (a booster recorded, a due
    // date moved): the list shows the booklets as they are now.
    showRows(readRows());
}

const DeadlineListWindow::Description &DeadlineListWindow::imminent()
{
    static const Description description { QStringLiteral("frmExpImminenti"), QStringLiteral(" Scadenze imminenti"),
        DeadlineLists::Kind::Imminent, SpreadsheetExports::imminentDeadlines(), HelpPage::ImminentDeadlines };
    return description;
}

const DeadlineListWindow::Description &DeadlineListWindow::ofDay()
{
    static const Description description { QStringLiteral("frmExpGiornaliere"), QStringLiteral(" Scadenze del giorno"),
        DeadlineLists::Kind::Day, SpreadsheetExports::dailyDeadlines(), HelpPage::DailyDeadlines };
    return description;
}

const DeadlineListWindow::Description &DeadlineListWindow::ofMonth()
{
    static const Description description { QStringLiteral("frmExpMensili"), QStringLiteral(" Scadenze del mese"),
        DeadlineLists::Kind::Month, SpreadsheetExports::monthlyDeadlines(), HelpPage::MonthlyDeadlines };
    return description;
}

void DeadlineListWindow::open(AppContext &context, QWidget *owner, const Description &description, QDate day,
    HealthEntryOpener openHealthEntry)
{
    DeadlineListWindow window(context, owner, description, day, std::move(openHealthEntry));
    window.exec();
}
