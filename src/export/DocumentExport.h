#pragma once

#include "export/SpreadsheetDocument.h"

#include <QString>

#include <functional>

struct AppContext;
class ExportGrid;
class QIODevice;
class QWidget;

// What an export says to the user: the question before writing, the question
// that offers to open the written file, and the message when writing fails.
struct ExportDialogue
{
    QString confirm;
    QString openWritten;
    QString failure;
};

/// One export of a document to a file of the program folder: asks
/// dialogue.confirm and stops on No; writes the file whole through
/// write(device) (a failure shows dialogue.failure as an error box and leaves
/// any earlier file of that name as it was); then asks dialogue.openWritten
/// and, unless the answer is No, opens the file with its associated program.
/// Returns true when the file was written.
bool exportDocument(AppContext &context, QWidget *owner, const ExportDialogue &dialogue,
    const QString &fileName, const std::function<void(QIODevice &)> &write);

/// The spreadsheet export of a grid window (the archive exports and the
/// deadline lists): writes format.fileName in the program folder from the
/// grid's rows in grid order, columns 1 to N (column 0, the running number
/// "N.", is not exported), with the export's questions and failure message.
/// The rows are written away from the windows under the progress dialog,
/// which can stop the export before the file takes its place. Returns true
/// when the file was written.
bool exportGridToSpreadsheet(AppContext &context, QWidget *window, const ExportGrid &grid, const SpreadsheetFormat &format);
