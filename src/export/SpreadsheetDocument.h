#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <span>

class QAbstractItemModel;
class QIODevice;

// What the cells of a column hold: text, which the spreadsheet program keeps
// exactly as written, or amounts, which it reads as numbers so that they can
// be summed.
enum class CellKind { Text, Amount };

// One column of a spreadsheet export: its header label, its width and what
// its cells hold.
struct SpreadsheetColumn
{
    QStringView label;
    int width;
    CellKind kind = CellKind::Text;
};

// What one export writes: the file, in the program folder, the sheet's name
// and its columns in order.
struct SpreadsheetFormat
{
    QStringView fileName;
    QStringView sheetName;
    std::span<const SpreadsheetColumn> columns;
};

// Writes the spreadsheet document (an HTML table with the workbook markup that
// spreadsheet programs open as a one-sheet workbook) in Windows-1252, piece by
// piece: at most a few kilobytes are held before they go to the device, so
// memory stays flat however many rows are written. Cells are written trimmed,
// with "&", "<" and ">" as character references; a character the code page
// cannot hold is written as its numeric reference (&#N;) so that nothing is
// lost. Every cell is marked as text for both spreadsheet programs, so that
// a name beginning with "=" is no formula and a code keeps its leading
// zeros, except a well-formed amount ("12,50") in an amount column, which
// stays a number. Throws ExportError when the device refuses a write.
class SpreadsheetWriter
{
public:
    /// Writes the document's head and the header row.
    SpreadsheetWriter(QIODevice &device, const SpreadsheetFormat &format);

    /// A data row is beginRow, one writeCell per column in order, endRow.
    void beginRow();
    void writeCell(QStringView text);
    void endRow();
    /// Closes the table and the document and hands every byte to the device.
    void finish();

private:
    void append(QLatin1StringView piece);
    void appendText(QStringView text);
    void flushIfFull();
    void flush();

    QIODevice &m_device;
    std::span<const SpreadsheetColumn> m_columns;
    size_t m_column = 0; // of the next cell in the row
    QByteArray m_pending;
};

/// Writes the rows of grid as a spreadsheet document to device: columns 1 to
/// the format's column count of each row, column 0 (the running number "N.")
/// skipped. The one export of every grid window (archives and deadline lists).
/// rowWritten, when given, is told the rows written of all after each row;
/// whatever it throws stops the writing.
void writeGridSpreadsheet(QIODevice &device, const SpreadsheetFormat &format, const QAbstractItemModel &grid,
    const std::function<void(int written, int rows)> &rowWritten = {});
