#include "export/DocumentExport.h"

#include "export/ExportError.h"
#include "export/ExportGrid.h"
#include "platform/AppContext.h"
#include "storage/WholeFile.h"
#include "ui/DesktopOpen.h"
#include "ui/FileActionGuard.h"

namespace {

// Writes the file at path whole through write(device); throws ExportError
// when it could not, and lets ExportCancelled through. Either way the
// unfinished content goes with the writer, and any earlier file stays.
void writeWhole(const QString &path, const std::function<void(QIODevice &)> &write)
{
    const auto failure = writeWholeFile(path, [&](QIODevice &device) {
        write(device);
        return true;
    });
    if (failure)
        throw ExportError(failure->toStdString());
}

// What every export does around the writing: asks first, shows the failure,
// offers to open the file. writeFile(path) writes it, false when the user
// stopped it.
bool exportWith(AppContext &context, QWidget *owner, const ExportDialogue &dialogue, const QString &fileName,
    const std::function<bool(const QString &path)> &writeFile)
{
    MessageBoxes &messages = context.platform.messages;
    if (!messages.question(owner, dialogue.confirm))
        return false;
    const QString path = context.folder.filePath(fileName);
    bool written = false;
    if (!runFileAction(messages, owner, MessageBoxes::Kind::Error, dialogue.failure,
            [&] { written = writeFile(path); })
        || !written)
        return false;
    if (messages.question(owner, dialogue.openWritten))
        openWithDesktop(context.platform.shell, messages, owner, path);
    return true;
}

Progress::Step rowsStep(int written, int rows)
{
    return { written, rows, QStringLiteral("Esportazione delle schede in corso: %1 di %2.").arg(written).arg(rows) };
}

} // namespace

bool exportDocument(AppContext &context, QWidget *owner, const ExportDialogue &dialogue,
    const QString &fileName, const std::function<void(QIODevice &)> &write)
{
    return exportWith(context, owner, dialogue, fileName, [&](const QString &path) {
        writeWhole(path, write);
        return true;
    });
}

bool exportGridToSpreadsheet(AppContext &context, QWidget *window, const ExportGrid &grid, const SpreadsheetFormat &format)
{
    static const ExportDialogue dialogue {
        QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del "
                       "numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"),
        QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                       "Si vuole aprire il file di Excel?"),
        QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                       "Accertarsi che il file di Excel non sia già aperto."),
    };
    return exportWith(context, window, dialogue, format.fileName.toString(), [&](const QString &path) {
        // The work reads the grid's rows from its own thread: nothing changes
        // them while the modal dialog shows.
        try {
            context.platform.progress.run(window, QStringLiteral("Esportazione in Excel"),
                rowsStep(0, grid.rowCount()), [&](Progress::Reporter &reporter) {
                    writeWhole(path, [&](QIODevice &device) {
                        writeGridSpreadsheet(device, format, grid, [&](int written, int rows) {
                            if (!reporter.report(rowsStep(written, rows)))
                                throw ExportCancelled();
                        });
                    });
                });
            return true;
        } catch (const ExportCancelled &) {
            return false;
        }
    });
}
