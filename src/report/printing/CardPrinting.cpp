#include "report/printing/CardPrinting.h"

#include "platform/AppContext.h"
#include "report/printing/CardReports.h"
#include "report/printing/ReportOutput.h"

#include <QApplication>

namespace CardPrinting {

namespace {

QDateTime now(AppContext &context)
{
    return context.platform.clock.now();
}

} // namespace

QString ownerPdfName()
{
    return QStringLiteral("Proprietario.pdf");
}

void printOwnerCard(AppContext &context, QWidget *owner, const ScreenValues &values)
{
    ReportOutput::print(context, owner, ownerCardReport(values, now(context)));
}

void previewOwnerCard(AppContext &context, QWidget *owner, const ScreenValues &values)
{
    ReportOutput::preview(context, owner, ownerCardReport(values, now(context)));
}

void exportOwnerCardPdf(AppContext &context, QWidget *owner, const ScreenValues &values)
{
    const QString path = context.folder.filePath(ownerPdfName());
    const QString documentTitle = QStringLiteral("Scheda informativa");
    const QString maker = QApplication::applicationName();
    if (!ReportOutput::exportPdf(context, owner, ownerCardReport(values, now(context)), path,
            { documentTitle, documentTitle, maker, maker }))
        return;
    if (context.platform.messages.question(owner,
            QStringLiteral("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\n"
                           "Si vuole aprire il file?"))
        && !context.platform.shell.openUrl(path))
        context.platform.messages.error(owner, QStringLiteral("Attenzione: non è stato possibile aprire il file PDF."));
}

void printScheduleCard(AppContext &context, QWidget *owner, const ScreenValues &values)
{
    ReportOutput::print(context, owner, scheduleCardReport(values, now(context)));
}

} // namespace CardPrinting
