#include "schedule/DeadlineListWindow.h"

#include "export/SpreadsheetExports.h"
#include "platform/AppContext.h"

namespace {

// "N.", the entry's fields from Data to Note, "Codice univoco": the grid's own
// widths (the spreadsheet file sets its columns apart).
constexpr int columnWidths[] = { 60, 150, 150, 250, 180, 250, 250, 180, 250, 250, 200, 250, 250, 300, 300, 180,
    250, 200, 200, 300, 150 };

} // namespace

DeadlineListWindow::DeadlineListWindow(
    AppContext &context, QWidget *owner, const Description &description, QDate day)
    : GridWindow(context, owner,
          { description.objectName, description.caption, QStringLiteral(":/schedule/scadenze_elenco.svg"),
              QStringLiteral("grdRecords"), columnWidths, description.format, description.help })
    , m_description(description)
    , m_day(day)
{
}

ExportRows DeadlineListWindow::readRows() const
{
    return DeadlineLists::readRows(m_context.folder, m_description.kind, m_day);
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

void DeadlineListWindow::open(AppContext &context, QWidget *owner, const Description &description, QDate day)
{
    DeadlineListWindow window(context, owner, description, day);
    window.exec();
}
