#include "schedule/DeadlineLists.h"

#include "core/DateText.h"
#include "core/ScheduleRules.h"
#include "schedule/DogCardCells.h"
#include "schedule/HealthNotices.h"
#include "storage/ProgramFolder.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ScheduleRecord.h"
#include "storage/Windows1252.h"

#include <algorithm>
#include <optional>

namespace DeadlineLists {

namespace {

    using namespace ScheduleRecord;

    // The fields of a row, in the spreadsheet's order; the key follows them.
    constexpr Field rowFields[] = { Data, Ora, Proprietario, CodFisc, Recapito, Nome, DataNasc, Razza, Mantello,
        Microchip, Segni, Persona, Dettagli, Officina, Costo, Contatto, DaConfermare, Effettuata, Note };
    constexpr int cellCount = int(std::size(rowFields)) + 1;
    constexpr int keyColumn = cellCount - 1;
    constexpr int dataColumn = 0;
    static_assert(rowFields[dataColumn] == Data);

    // Which entries a list takes, with the texts it compares against made
    // once for the whole file.
    class Selection
    {
    public:
        Selection(Kind kind, QDate day)
            : m_kind(kind)
            , m_day(day)
            , m_month(day.month())
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
                return monthNumber(entry.value(Mese)) == m_month && entry.value(Anno) == m_year;
            }
            return false;
        }

    private:
        Kind m_kind;
        QDate m_day;
        int m_month; // of day, asked of every entry
        QString m_date;
        QString m_year;
    };

// Where a row goes in the list: after the rows of earlier year files (a later
// year sorts after an earlier one whatever its keys, which have no year),
// then by its key, then in file order. A key of eight digits, as every entry
// saved by the schedule has, is compared as its number, which orders it as
// its text would; another is compared as text.
struct ListPlace
{
    int yearFile;
    int row;
    std::optional<quint32> keyNumber;
};

// The cells a health row fills, by the row's fields; the others stay empty.
void appendHealthRow(ExportRows &rows, const HealthNotices::Notice &notice, qint64 number)
{
    QList<std::pair<Field, QString>> filled = {
        { Data, DateText::format(notice.entry.due) },
        { Persona, notice.entry.veterinarian },
        { Dettagli, QStringLiteral("Libretto sanitario: ") + notice.line },
        { Note, notice.entry.note },
    };
    // The dog as its card is now, under the name the line gives it.
    for (qsizetype cell = 0; cell < qsizetype(std::size(dogCardCells)); ++cell) {
        const Field field = dogCardCells[cell].second;
        filled.append({ field, field == Nome ? notice.dogName : notice.card.value(cell) });
    }
    QString text;
    std::vector<quint32> ends(cellCount);
    for (int column = 0; column < cellCount; ++column) {
        for (const auto &[field, value] : filled) {
            if (column < keyColumn && rowFields[column] == field)
                text += value;
        }
        ends[size_t(column)] = quint32(text.size());
    }
    rows.append(text, ends, number);
}

std::optional<quint32> eightDigitNumber(QStringView key)
{
    if (key.size() != 8)
        return std::nullopt;
    quint32 number = 0;
    for (const QChar c : key) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        number = number * 10 + quint32(c.unicode() - u'0');
    }
    return number;
}

} // namespace

ExportRows readRows(const ProgramFolder &folder, Kind kind, QDate day)
{
    const Selection selection(kind, day);
    const QStringList yearFiles = kind == Kind::Imminent
        ? ScheduleRules::imminentYearFiles(folder, day)
        : QStringList { folder.filePath(fileNameForYear(day.year())) };
    ExportRows rows(cellCount);
    std::vector<ListPlace> places;
    try {
        Record entry(layout());
        // Each row is decoded straight into one text, kept for the next row.
        QString text;
        std::vector<quint32> ends(cellCount);
        for (int yearFile = 0; yearFile < yearFiles.size(); ++yearFile) {
            RecordFile file;
            file.openOrCreate(yearFiles[yearFile], recordSize);
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
                const qsizetype keyStart = text.size();
                ScheduleRules::appendChronologicalKey(text, view);
                ends[keyColumn] = quint32(text.size());
                const int row = rows.rowCount();
                places.push_back({ yearFile, row, eightDigitNumber(QStringView(text).sliced(keyStart)) });
                rows.append(text, ends, row + 1);
            }
            file.closeFile();
        }
    } catch (const RecordFileError &) {
        // Not reported: the list shows the entries read before the failure.
    }
    std::sort(places.begin(), places.end(), [&rows](const ListPlace &a, const ListPlace &b) {
        if (a.yearFile != b.yearFile)
            return a.yearFile < b.yearFile;
        if (a.keyNumber && b.keyNumber) {
            if (*a.keyNumber != *b.keyNumber)
                return *a.keyNumber < *b.keyNumber;
        } else if (const auto order = rows.cell(a.row, keyColumn).compare(rows.cell(b.row, keyColumn))) {
            return order < 0;
        }
        return a.row < b.row;
    });
    std::vector<int> order;
    order.reserve(places.size());
    for (const ListPlace &place : places)
        order.push_back(place.row);
    rows.reorder(order);
    return rows;
}

Rows read(const ProgramFolder &folder, Kind kind, QDate day)
{
    Rows list { readRows(folder, kind, day), {} };
    if (kind != Kind::Imminent)
        return list;
    QList<HealthNotices::Notice> notices;
    try {
        notices = HealthNotices::read(folder, day);
    } catch (const RecordFileError &) {
        return list; // as a year file that cannot be read: the schedule's rows are listed
    }
    if (notices.isEmpty())
        return list;

    // Both runs are in date order: merged, a health row goes before the
    // first schedule row of a later day.
    ExportRows &rows = list.grid;
    const int scheduled = rows.rowCount();
    std::vector<int> order;
    order.reserve(size_t(scheduled + notices.size()));
    int next = 0;
    for (int i = 0; i < notices.size(); ++i) {
        const HealthNotices::Notice &notice = notices.at(i);
        while (next < scheduled && !(DateText::parse(rows.cell(next, dataColumn)) > notice.entry.due))
            order.push_back(next++);
        list.health.insert(int(order.size()), { notice.entry.dog, notice.entry.position });
        order.push_back(scheduled + i);
        appendHealthRow(rows, notice, scheduled + i + 1);
    }
    while (next < scheduled)
        order.push_back(next++);
    rows.reorder(order);
    return list;
}

} // namespace DeadlineLists
