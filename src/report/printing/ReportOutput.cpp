#include "report/printing/ReportOutput.h"

#include "platform/AppContext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ReportOutput {

namespace {

Report::PreparedReport prepared(AppContext &context, const Report::ReportTemplate &report)
{
    return Report::prepare(report, context.platform.clock.today());
}

Report::PdfProperties madeByTheProgram(const QString &documentTitle)
{
    const QString maker = QCoreApplication::applicationName();
    return { documentTitle, documentTitle, maker, maker };
}

bool exportPdf(AppContext &context, QWidget *owner, const Report::ReportTemplate &report, const QString &path,
               const Report::PdfProperties &properties, MessageBoxes::Buttons buttons)
{
    if (const std::optional<QString> failure = Report::exportPdf(prepared(context, report), path, properties)) {
        context.platform.messages.error(owner, pdfFailureMessage(*failure), buttons);
        return false;
    }
    return true;
}

// The path the user chose for a PDF file, once it may be written there;
// empty when the user cancelled or would not replace the file there.
QString chosenPdfPath(AppContext &context, QWidget *owner, const QString &proposedName)
{
    FileDialogs::SaveRequest request;
    request.title = QStringLiteral("Esporta in PDF");
    request.filter = QStringLiteral("Documento PDF (*.pdf)");
    request.proposedName = proposedName;
    request.folder = context.lastDocumentFolder.isEmpty() ? context.folder.path() : context.lastDocumentFolder;
    request.defaultSuffix = QStringLiteral("pdf");
    // Asked here rather than by the dialog, so that the question is the program's own.
    request.confirmOverwrite = false;
    const QString path = context.platform.fileDialogs.saveFile(owner, request);
    if (path.isEmpty())
        return {};
    MessageBoxes &messages = context.platform.messages;
    if (context.folder.keeps(path)) {
        messages.error(owner, keptFileMessage(path), MessageBoxes::Buttons::OkAlone);
        return {};
    }
    const QFileInfo file(path);
    if (file.exists()
        && !messages.question(owner,
            QString::fromUtf8("Il file \"%1\" esiste già nella cartella \"%2\".\r\n\r\nSostituirlo?")
                .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()))))
        return {};
    return path;
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


void exportPdfAndOfferToOpen(AppContext &context, QWidget *owner, const Report::ReportTemplate &report,
                             const QString &fileName, const QString &documentTitle, const QString &doneQuestion)
{
    const QString path = context.folder.filePath(fileName);
    if (context.folder.keeps(path)) {
        context.platform.messages.error(owner, keptFileMessage(path));
        return;
    }
    if (!exportPdf(context, owner, report, path, madeByTheProgram(documentTitle), MessageBoxes::Buttons::OkCancel))
        return;
    if (context.platform.messages.question(owner, doneQuestion) && !context.platform.shell.openUrl(path))
        context.platform.messages.error(owner, QStringLiteral("Attenzione: non è stato possibile aprire il file PDF."));
}

void savePdfAndOfferToOpen(AppContext &context, QWidget *owner, const Report::ReportTemplate &report,
                           const PlacedPdf &pdf)
{
    const QString path = chosenPdfPath(context, owner, pdf.proposedName);
    if (path.isEmpty())
        return;
    const QFileInfo file(path);
    context.lastDocumentFolder = file.absolutePath();
    if (!exportPdf(context, owner, report, path, madeByTheProgram(pdf.documentTitle), MessageBoxes::Buttons::OkAlone))
        return;
    const QString name = file.fileName();
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    MessageBoxes &messages = context.platform.messages;
    if (messages.question(owner,
            QString::fromUtf8("L'esportazione %1 in PDF è terminata con successo: il file \"%2\" si trova nella "
                              "cartella \"%3\".\r\n\r\nSi vuole aprire il file?")
                .arg(pdf.exported, name, folder))
        && !context.platform.shell.openUrl(path)) {
        messages.error(owner,
            QString::fromUtf8("Attenzione: non è stato possibile aprire il file PDF \"%1\", che si trova nella "
                              "cartella \"%2\".")
                .arg(name, folder),
            MessageBoxes::Buttons::OkAlone);
    }
}

QString pdfFileName(const QStringList &words)
{
    QString name = words.join(u'_');
    for (QChar &c : name) {
        if (c.isSpace() || c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    return name + QStringLiteral(".pdf");
}

} // namespace ReportOutput
