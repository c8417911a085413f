#include "export/SpreadsheetDocument.h"

#include "export/ExportError.h"
#include "export/ExportGrid.h"
#include "storage/ShortText.h"
#include "storage/Windows1252.h"

#include <QAbstractItemModel>
#include <QIODevice>

#include <algorithm>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

// Pending bytes go to the device once they pass this size.
constexpr qsizetype flushThreshold = 32 * 1024;

// The fixed pieces before the sheet's name, between it and the header row,
// and after the last row; written as one text with nothing between pieces.
constexpr auto documentStart
    = "<html"
      " xmlns:o=\"urn:schemas-microsoft-com:office:office\""
      " xmlns:x=\"urn:schemas-microsoft-com:office:excel\""
      " xmlns=\"http://www.w3.org/TR/REC-html40\">"
      "<head>"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
      "<!--[if gte mso 9]><xml>"
      "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
      "<x:Name>"_L1;
constexpr auto afterSheetName
    = "</x:Name>"
      "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
      "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
      "<x:ProtectContents>False</x:ProtectContents>"
      "<x:ProtectObjects>False</x:ProtectObjects>"
      "<x:ProtectScenarios>False</x:ProtectScenarios>"
      "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
      "</xml><![endif]-->"
      // Excel keeps a cell of this class as typed ("@" is its text format).
      "<style>.text{mso-number-format:\"\\@\";}</style>"
      "</head><body><table x:str>"_L1;
constexpr auto documentEnd = "</table></body></html>"_L1;
constexpr auto headerCellStart = "<td style=\"text-align: left; font-weight: bold;\" width="_L1;
// A text cell carries Excel's text class and LibreOffice's text format
// (language 1040, Italian; format "@", text), without which either program
// evaluates "=1+1" and reads "00184" as the number 184.
constexpr auto textCellStart = "<td style=\"text-align: left;\" class=\"text\" sdnum=\"1040;0;@\">"_L1;
// An amount is left for the spreadsheet program to read as a number.
constexpr auto amountCellStart = "<td style=\"text-align: left;\">"_L1;
constexpr auto cellEnd = "</td>"_L1;

// An amount as the amount rules write it: digits, then possibly a comma and
// more digits. Anything else in an amount column is written as text.
bool isAmount(QStringView text)
{
    const qsizetype comma = text.indexOf(u',');
    const auto allDigits = [](QStringView digits) {
        return !digits.isEmpty()
            && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (comma < 0)
        return allDigits(text);
    return allDigits(text.first(comma)) && allDigits(text.sliced(comma + 1));
}

// The three characters markup gives a meaning, as character references; a
// character the code page cannot hold, as its numeric reference.
constexpr auto escapeForHtml = [](char32_t character, Windows1252::EscapeRoom &room) -> QByteArrayView {
    switch (character) {
    case U'&':
        return "&amp;";
    case U'<':
        return "&lt;";
    case U'>':
        return "&gt;";
    default:
        if (character < 0x80 || (character >= 0xD800 && character <= 0xDFFF))
            return {}; // plain ASCII; a lone surrogate is no character and gets the substitute
        const int length = std::snprintf(room.data(), room.size(), "&#%u;", unsigned(character));
        return QByteArrayView(room.data(), length);
    }
};

} // namespace

SpreadsheetWriter::SpreadsheetWriter(QIODevice &device, const SpreadsheetFormat &format)
    : m_device(device)
    , m_columns(format.columns)
{
    m_pending.reserve(flushThreshold + 4096);
    append(documentStart);
    appendText(format.sheetName);
    append(afterSheetName);
    append("<tr>"_L1);
    for (const SpreadsheetColumn &column : format.columns) {
        append(headerCellStart);
        m_pending.append(QByteArray::number(column.width)).append('>');
        appendText(column.label);
        append(cellEnd);
    }
    append("</tr>"_L1);
    flushIfFull();
}

void SpreadsheetWriter::beginRow()
{
    append("<tr>"_L1);
    m_column = 0;
}

void SpreadsheetWriter::writeCell(QStringView text)
{
    const QStringView trimmed = trimmedView(text);
    const bool amount = m_column < m_columns.size() && m_columns[m_column].kind == CellKind::Amount;
    ++m_column;
    append(amount && isAmount(trimmed) ? amountCellStart : textCellStart);
    appendText(trimmed);
    append(cellEnd);
}

void SpreadsheetWriter::endRow()
{
    append("</tr>"_L1);
    flushIfFull();
}

void SpreadsheetWriter::finish()
{
    append(documentEnd);
    flush();
}

void SpreadsheetWriter::append(QLatin1StringView piece)
{
    m_pending.append(piece.data(), piece.size());
}

void SpreadsheetWriter::appendText(QStringView text)
{
    Windows1252::appendEncoded(m_pending, text, escapeForHtml);
}

void SpreadsheetWriter::flushIfFull()
{
    if (m_pending.size() >= flushThreshold)
        flush();
}

void SpreadsheetWriter::flush()
{
    if (m_device.write(m_pending) != m_pending.size())
        throw ExportError("cannot write the spreadsheet document");
    m_pending.resize(0); // keeps the buffer for the next rows
}

void writeGridSpreadsheet(QIODevice &device, const SpreadsheetFormat &format, const QAbstractItemModel &grid,
    const std::function<void(int written, int rows)> &rowWritten)
{
    SpreadsheetWriter writer(device, format);
    const int columns = int(format.columns.size());
    // The archive grids hand their cells over as they hold them, without a
    // copy of each through the model's interface.
    const auto *rows = qobject_cast<const ExportGrid *>(&grid);
    for (int row = 0, count = grid.rowCount(); row < count; ++row) {
        writer.beginRow();
        for (int column = 1; column <= columns; ++column) {
            if (rows && column <= rows->rows().columnCount())
                writer.writeCell(rows->rows().cell(row, column - 1));
            else
                writer.writeCell(grid.index(row, column).data().toString());
        }
        writer.endRow();
        if (rowWritten)
            rowWritten(row + 1, count);
    }
    writer.finish();
}
