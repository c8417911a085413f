#include "export/DocumentExport.h"

#include "export/ExportError.h"
#include "platform/AppContext.h"
#include "storage/WholeFile.h"
#include "ui/DesktopOpen.h"
#include "ui/FileActionGuard.h"

bool exportDocument(AppContext &context, QWidget *owner, const ExportDialogue &dialogue,
    const QString &fileName, const std::function<void(QIODevice &)> &write)
{
    MessageBoxes &messages = context.platform.messages;
    if (!messages.question(owner, dialogue.confirm))
        return false;
    const QString path = context.folder.filePath(fileName);
    if (!runFileAction(messages, owner, MessageBoxes::Kind::Error, dialogue.failure,
            [&] {
                const auto failure = writeWholeFile(path, [&](QIODevice &device) {
                    write(device);
                    return true;
                });
                if (failure)
                    throw ExportError(failure->toStdString());
            }))
        return false;
    if (messages.question(owner, dialogue.openWritten))
        openWithDesktop(context.platform.shell, messages, owner, path);
    return true;
}

bool exportGridToSpreadsheet(
    AppContext &context, QWidget *window, const QAbstractItemModel &grid, const SpreadsheetFormat &format)
{
    static const ExportDialogue dialogue {
        QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del "
                       "numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"),
        QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                       "Si vuole aprire il file di Excel?"),
        QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                       "Accertarsi che il file di Excel non sia già aperto."),
    };
    return exportDocument(context, window, dialogue, format.fileName.toString(),
        [&](QIODevice &device) { writeGridSpreadsheet(device, format, grid); });
}
