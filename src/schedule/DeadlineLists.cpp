#include "schedule/DeadlineLists.h"

#include "core/DateText.h"
#include "core/ScheduleRules.h"
#include "storage/ProgramFolder.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ScheduleRecord.h"
#include "storage/Windows1252.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace DeadlineLists {

namespace {

    using namespace ScheduleRecord;

    // The fields of a row, in the spreadsheet's order; the key follows them.
    constexpr Field rowFields[] = { Data, Ora, Proprietario, CodFisc, Recapito, Nome, DataNasc, Razza, Mantello,
        Microchip, Segni, Persona, Dettagli, Officina, Costo, Contatto, DaConfermare, Effettuata, Note };
    constexpr int cellCount = int(std::size(rowFields)) + 1;
    constexpr int keyColumn = cellCount - 1;

    // Which entries a list takes, with the texts it compares against made
    // once for the whole file.
    class Selection
    {
    public:
        Selection(Kind kind, QDate day)
            : m_kind(kind)
            , m_day(day)
            , m_date(DateText::format(day))
            , m_year(m_date.sliced(6, 4))
        {
        }

        /// Nothing when the entry cannot be judged.
        std::optional<bool> takes(const Record &entry) const
        {
            switch (m_kind) {
            case Kind::Imminent:
                return ScheduleRules::isImminentOn(entry, m_day);
            case Kind::Day:
                return entry.value(Data) == m_date;
            case Kind::Month:
                return monthNumber(entry.value(Mese)) == m_day.month() && entry.value(Anno) == m_year;
            }
            return false;
        }

    private:
        Kind m_kind;
        QDate m_day;
        QString m_date;
        QString m_year;
    };

} // namespace

ExportRows readRows(const ProgramFolder &folder, Kind kind, QDate day)
{
    const Selection selection(kind, day);
    const QStringList yearFiles = kind == Kind::Imminent
        ? ScheduleRules::imminentYearFiles(folder, day)
        : QStringList { folder.filePath(fileNameForYear(day.year())) };
    ExportRows rows(cellCount);
    // Where each year file's rows begin: a later year sorts after an
    // earlier one whatever its keys, which have no year.
    std::vector<int> firstRowOfYear;
    try {
        Record entry(layout());
        // Each row is decoded straight into one text, kept for the next row.
        QString text;
        std::vector<quint32> ends(cellCount);
        for (const QString &yearFile : yearFiles) {
            firstRowOfYear.push_back(rows.rowCount());
            RecordFile file;
            file.openOrCreate(yearFile, recordSize);
            while (!file.atEnd()) {
                file.readNext(entry);
                // An entry that cannot be judged (written by another program,
                // or damaged) must not hide the deadlines stored after it.
                if (!selection.takes(entry).value_or(false))
                    continue;
                const RecordView view(entry);
                text.resize(0);
                for (int column = 0; column < keyColumn; ++column) {
                    Windows1252::appendDecoded(text, view.storedBytes(rowFields[column]));
                    ends[column] = quint32(text.size());
                }
                text += ScheduleRules::chronologicalKey(entry);
                ends[keyColumn] = quint32(text.size());
                rows.append(text, ends, rows.rowCount() + 1);
            }
            file.closeFile();
        }
    } catch (const RecordFileError &) {
        // Not reported: the list shows the entries read before the failure.
    }
    const auto yearOf = [&firstRowOfYear](int row) {
        return std::upper_bound(firstRowOfYear.cbegin(), firstRowOfYear.cend(), row) - firstRowOfYear.cbegin();
    };
    // The keys are eight digits, so comparing them as text is chronological
    // within the year; entries at the same minute stay in file order.
    std::vector<int> order(size_t(rows.rowCount()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const auto yearA = yearOf(a);
        const auto yearB = yearOf(b);
        return yearA != yearB ? yearA < yearB : rows.cell(a, keyColumn) < rows.cell(b, keyColumn);
    });
    rows.reorder(order);
    return rows;
}

} // namespace DeadlineLists
