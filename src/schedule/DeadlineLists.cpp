#include "schedule/DeadlineLists.h"

#include "app/DateText.h"
#include "schedule/ScheduleRules.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ScheduleRecord.h"

#include <algorithm>

namespace DeadlineLists {

namespace {

    using namespace ScheduleRecord;

    // The fields of a row, in the spreadsheet's order; the key follows them.
    constexpr Field rowFields[] = { Data, Ora, Proprietario, CodFisc, Recapito, Nome, DataNasc, Razza, Mantello,
        Microchip, Segni, Persona, Dettagli, Officina, Costo, Contatto, DaConfermare, Effettuata, Note };
    constexpr int cellCount = int(std::size(rowFields)) + 1;

    struct ListedEntry
    {
        qint64 number;
        QList<QString> cells; // the last is the key
    };

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
    std::vector<ListedEntry> listed;
    try {
        RecordFile file;
        file.openOrCreate(yearFilePath, recordSize);
        Record entry(layout());
        while (!file.atEnd()) {
            file.readNext(entry);
            // An entry that cannot be judged (written by another program, or
            // damaged) must not hide the deadlines stored after it.
            if (!takes(kind, day, entry).value_or(false))
                continue;
            QList<QString> cells;
            cells.reserve(cellCount);
            for (const Field field : rowFields)
                cells.append(entry.value(field));
            cells.append(ScheduleRules::chronologicalKey(entry));
            listed.push_back({ qint64(listed.size()) + 1, std::move(cells) });
        }
        file.closeFile();
    } catch (const RecordFileError &) {
        // Not reported: the list shows the entries read before the failure.
    }
    // The keys are eight digits, so comparing them as text is chronological
    // within the year; entries at the same minute stay in file order.
    std::stable_sort(listed.begin(), listed.end(),
        [](const ListedEntry &a, const ListedEntry &b) { return a.cells.back() < b.cells.back(); });
    ExportRows rows(cellCount);
    for (const ListedEntry &row : listed)
        rows.append(row.cells, row.number);
    return rows;
}

} // namespace DeadlineLists
