#include "schedule/SummaryWindow.h"

#include "search/ResultLines.h"
#include "storage/Flags.h"
#include "storage/ScheduleRecord.h"

namespace {

// The summaries differ in caption, title and the flag they read.
FlaggedListWindow::Description summary(const QString &objectName, const QString &caption, const QString &printTitle,
    ScheduleRecord::Field flag, const QString &flagText)
{
    return { objectName, caption, QStringLiteral(":/schedule/riepilogo.svg"), QStringLiteral("panRiepilogo"),
        printTitle, ScheduleRecord::layout(), flag, flagText, ResultLines::scheduleEntry };
}

} // namespace

const SummaryWindow::Description &SummaryWindow::paymentsToMake()
{
    static const Description description = summary(QStringLiteral("frmConfermati"),
        QStringLiteral(" Riepilogo pagamenti da effettuare"),
        QStringLiteral("Riepilogo pagamenti da effettuare"), ScheduleRecord::Effettuata, FlagText::no());
    return description;
}

const SummaryWindow::Description &SummaryWindow::paymentsMade()
{
    static const Description description = summary(QStringLiteral("frmNonConfermati"),
        QStringLiteral(" Riepilogo pagamenti effettuati"),
        QStringLiteral("Riepilogo pagamenti effettuati"), ScheduleRecord::Effettuata, FlagText::yes());
    return description;
}

const SummaryWindow::Description &SummaryWindow::appointmentsToConfirm()
{
    static const Description description = summary(QStringLiteral("frmDaConfermare"),
        QStringLiteral(" Riepilogo appuntamenti da confermare"),
        QStringLiteral("Riepilogo appuntamenti da confermare"), ScheduleRecord::DaConfermare, FlagText::yes());
    return description;
}

SummaryWindow::SummaryWindow(AppContext &context, QWidget *schedule, const Description &description,
                             const QString &yearFilePath, ShowRecord showEntry)
    : FlaggedListWindow(context, schedule, description, yearFilePath, std::move(showEntry))
{
}

void SummaryWindow::open(AppContext &context, QWidget *schedule, const Description &description,
                         const QString &yearFilePath, ShowRecord showEntry)
{
    SummaryWindow window(context, schedule, description, yearFilePath, std::move(showEntry));
    window.exec();
}
