#include "report/printing/ReportOutput.h"

#include "platform/AppContext.h"

#include <QCoreApplication>

namespace ReportOutput {

namespace {

Report::PreparedReport prepared(AppContext &context, const Report::ReportTemplate &report)
{
    return Report::prepare(report, context.platform.clock.today());
}

} // namespace

QString printFailureMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di stampare il documento.\n\r\n\r"
                          "Accertarsi che la stampante sia collegata e pronta.");
}

QString pdfFailureMessage(const QString &reason)
{
    QString message = QStringLiteral("Attenzione: il sistema non permette di esportare la scheda in formato PDF.\n\r\n\r"
                                     "Accertarsi che il file non sia già aperto.");
    if (!reason.isEmpty())
        message += QStringLiteral("\n\r\n\r") + reason;
    return message;
}

void print(AppContext &context, QWidget *owner, const Report::ReportTemplate &report)
{
    if (!context.platform.printing.print(owner, prepared(context, report)))
        context.platform.messages.error(owner, printFailureMessage());
}

void preview(AppContext &context, QWidget *owner, const Report::ReportTemplate &report)
{
    context.platform.printing.preview(owner, prepared(context, report));
}

bool exportPdf(AppContext &context, QWidget *owner, const Report::ReportTemplate &report, const QString &path,
               const Report::PdfProperties &properties)
{
    if (const std::optional<QString> failure = Report::exportPdf(prepared(context, report), path, properties)) {
        context.platform.messages.error(owner, pdfFailureMessage(*failure));
        return false;
    }
    return true;
}

void exportPdfAndOfferToOpen(AppContext &context, QWidget *owner, const Report::ReportTemplate &report,
                             const QString &fileName, const QString &documentTitle, const QString &doneQuestion)
{
    const QString path = context.folder.filePath(fileName);
    if (context.folder.keeps(path)) {
        context.platform.messages.error(owner, keptFileMessage(path));
        return;
    }
    const QString maker = QCoreApplication::applicationName();
    if (!exportPdf(context, owner, report, path, { documentTitle, documentTitle, maker, maker }))
        return;
    if (context.platform.messages.question(owner, doneQuestion) && !context.platform.shell.openUrl(path))
        context.platform.messages.error(owner, QStringLiteral("Attenzione: non è stato possibile aprire il file PDF."));
}

} // namespace ReportOutput
