#include "schedule/DeadlineLists.h"

#include "app/DateText.h"
#include "schedule/ScheduleRules.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ScheduleRecord.h"

#include <algorithm>
#include <numeric>

namespace DeadlineLists {

namespace {

    using namespace ScheduleRecord;

    // The fields of a row, in the spreadsheet's order; the key follows them.
    constexpr Field rowFields[] = { Data, Ora, Proprietario, CodFisc, Recapito, Nome, DataNasc, Razza, Mantello,
        Microchip, Segni, Persona, Dettagli, Officina, Costo, Contatto, DaConfermare, Effettuata, Note };
    constexpr int cellCount = int(std::size(rowFields)) + 1;

} // namespace

std::optional<bool> takes(Kind kind, QDate day, const Record &entry)
{
    switch (kind) {
    case Kind::Imminent:
        return ScheduleRules::isImminentOn(entry, day);
    case Kind::Day:
        return entry.value(Data) == DateText::format(day);
    case Kind::Month:
        return monthNumber(entry.value(Mese)) == day.month()
            && entry.value(Anno) == DateText::format(day).mid(6, 4);
    }
    return false;
}

ExportRows readRows(const QString &yearFilePath, Kind kind, QDate day)
{
    // Rows are kept packed in file order, with their keys beside them, and
    // put in key order at the end: a list of a whole year costs one copy of
    // its texts.
    ExportRows rows(cellCount);
    QList<QString> keys;
    try {
        RecordFile file;
        file.openOrCreate(yearFilePath, recordSize);
        Record entry(layout());
        QList<QString> cells(cellCount);
        while (!file.atEnd()) {
            file.readNext(entry);
            // An entry that cannot be judged (written by another program, or
            // damaged) must not hide the deadlines stored after it.
            if (!takes(kind, day, entry).value_or(false))
                continue;
            for (int column = 0; column < cellCount - 1; ++column)
                cells[column] = entry.value(rowFields[column]);
            cells.back() = ScheduleRules::chronologicalKey(entry);
            keys.append(cells.back());
            rows.append(cells, rows.rowCount() + 1);
        }
        file.closeFile();
    } catch (const RecordFileError &) {
        // Not reported: the list shows the entries read before the failure.
    }
    // The keys are eight digits, so comparing them as text is chronological
    // within the year; entries at the same minute stay in file order.
    std::vector<int> order(size_t(rows.rowCount()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) { return keys[a] < keys[b]; });
    rows.reorder(order);
    return rows;
}

} // namespace DeadlineLists
