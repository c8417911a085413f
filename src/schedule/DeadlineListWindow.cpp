#include "schedule/DeadlineListWindow.h"

#include "app/AppContext.h"
#include "app/Help.h"
#include "export/DocumentExport.h"
#include "export/ExportGrid.h"
#include "export/SpreadsheetExports.h"
#include "storage/ScheduleRecord.h"
#include "ui/PictureButton.h"

#include <QShowEvent>
#include <QTableView>

namespace {

// "N.", the entry's fields from Data to Note, "Codice univoco": the grid's own
// widths (the spreadsheet file sets its columns apart).
constexpr int columnWidths[] = { 60, 150, 150, 250, 180, 250, 250, 180, 250, 250, 200, 250, 250, 300, 300, 180,
    250, 200, 200, 300, 150 };

} // namespace

DeadlineListWindow::DeadlineListWindow(
    AppContext &context, QWidget *owner, const Description &description, QDate day)
    : GridWindow(owner,
          { description.objectName, description.caption, QStringLiteral(":/schedule/scadenze_elenco.svg"),
              QStringLiteral("grdRecords"), columnWidths },
          new ExportGrid(description.format.columns), context.platform.screen.size())
    , m_context(context)
    , m_description(description)
    , m_day(day)
    , m_grid(static_cast<ExportGrid *>(grdView->model()))
{
    connect(cmdGuida, &PictureButton::clicked, this, [this] { openHelp(m_context, this, m_description.help); });
    connect(cmdEsporta, &PictureButton::clicked, this,
        [this] { exportGridToSpreadsheet(m_context, this, *m_grid, m_description.format); });
}

void DeadlineListWindow::showEvent(QShowEvent *event)
{
    GridWindow::showEvent(event);
    // Built once, when the window opens: entries saved meanwhile wait for
    // the next opening.
    if (!event->spontaneous()) {
        const QString yearFile = m_context.folder.filePath(ScheduleRecord::fileNameForYear(m_day.year()));
        m_grid->setRows(DeadlineLists::readRows(yearFile, m_description.kind, m_day));
    }
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
