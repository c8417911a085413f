#include "kennel/HealthBooklet.h"

#include "core/DateText.h"
#include "storage/HealthRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ShortText.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstring>
#include <vector>

namespace HealthBooklet {

const DogLogFile::Format format { HealthRecord::layout, [](int) { return HealthRecord::fileName(); },
                                  maximumRecords };

namespace {

using HealthRecord::Field;

QLatin1StringView asciiField(const RecordView &record, Field field)
{
    const QByteArrayView bytes = record.storedBytes(field);
    return QLatin1StringView(bytes.data(), bytes.size());
}

// A whole number of up to nine digits; nothing for blank or any other text.
std::optional<qint64> wholeNumber(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    qint64 number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

// The bytes of one field folded into hash, eight at a time, with its length
// first, so that no field's text runs on into the next one's.
template<typename Fold> quint64 hashed(quint64 hash, QByteArrayView bytes, Fold fold)
{
    const auto mix = [&hash](quint64 word) {
        hash = (hash ^ word) * 0x9E3779B97F4A7C15ULL;
        hash ^= hash >> 32;
    };
    mix(quint64(bytes.size()));
    for (qsizetype at = 0; at < bytes.size(); at += 8) {
        quint64 word = 0;
        if (bytes.size() - at >= 8)
            std::memcpy(&word, bytes.data() + at, 8);
        else
            std::memcpy(&word, bytes.data() + at, size_t(bytes.size() - at));
        mix(fold(word));
    }
    return hash;
}

// Eight bytes of Windows-1252 with their letters in lower case: the ASCII
// ones all at once, a word with any other byte one byte at a time.
quint64 lowerCase(quint64 word)
{
    constexpr quint64 ones = 0x0101010101010101ULL;
    constexpr quint64 highBits = 0x80 * ones;
    if (!(word & highBits)) {
        // Each byte below 0x80 plus these stays below 0x100: its high bit
        // tells whether it is from 'A', and whether it is beyond 'Z'.
        const quint64 fromA = word + (0x80 - 'A') * ones;
        const quint64 beyondZ = word + (0x80 - 'Z' - 1) * ones;
        return word | ((fromA & ~beyondZ & highBits) >> 2);
    }
    quint64 lower = 0;
    for (int i = 0; i < 8; ++i) {
        const auto byte = static_cast<unsigned char>(word >> (8 * i));
        const bool upper = (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
        lower |= quint64(upper ? byte + 0x20 : byte) << (8 * i);
    }
    return lower;
}

// The series of a record: its kind and its vaccine or product with the
// letters of Windows-1252 folded to lower case, hashed, so that a scan of the
// whole archive compares two numbers, not two texts.
quint64 seriesOf(const RecordView &record)
{
    const quint64 kind = hashed(14695981039346656037ULL, record.storedBytes(HealthRecord::Tipo),
                                [](quint64 word) { return word; });
    return hashed(kind, record.storedBytes(HealthRecord::Cosa), lowerCase);
}

QString text(const RecordView &record, Field field)
{
    return record.storedBytes(field).isEmpty() ? QString() : record.value(field);
}

// The entry a record holds; nothing when its date or kind cannot be read.
std::optional<Entry> entryOf(const RecordView &record, qint64 dog, qint64 position)
{
    const QDate date = DateText::parse(asciiField(record, HealthRecord::Data));
    const std::optional<HealthDue::Kind> kind = kindNamed(text(record, HealthRecord::Tipo));
    if (!date.isValid() || !kind)
        return std::nullopt;
    const std::optional<qint64> notice = wholeNumber(record.storedBytes(HealthRecord::Preavviso));
    return Entry { dog,
                   date,
                   *kind,
                   text(record, HealthRecord::Cosa),
                   text(record, HealthRecord::Lotto),
                   text(record, HealthRecord::Veterinario),
                   text(record, HealthRecord::Esito),
                   text(record, HealthRecord::Note),
                   DateText::parse(asciiField(record, HealthRecord::Scadenza)),
                   notice ? int(*notice) : HealthDue::defaultNoticeDays,
                   position,
                   QByteArray(record.data(), HealthRecord::recordSize),
                   seriesOf(record) };
}

bool isEmptySlot(const RecordView &record)
{
    return record.storedBytes(HealthRecord::Cane).isEmpty();
}

Record recordOf(const Entry &entry)
{
    Record record(HealthRecord::layout());
    record.setValue(HealthRecord::Cane, QString::number(entry.dog));
    record.setValue(HealthRecord::Data, DateText::format(entry.date));
    record.setValue(HealthRecord::Tipo, HealthDue::kindNames().at(int(entry.kind)));
    record.setValue(HealthRecord::Cosa, entry.what);
    record.setValue(HealthRecord::Lotto, entry.batch);
    record.setValue(HealthRecord::Veterinario, entry.veterinarian);
    record.setValue(HealthRecord::Esito, entry.result);
    record.setValue(HealthRecord::Note, entry.note);
    record.setValue(HealthRecord::Scadenza, DateText::format(entry.due));
    record.setValue(HealthRecord::Preavviso, QString::number(entry.noticeDays));
    return record;
}

// Whether later comes after earlier in the booklet: by date, then in file order.
bool isLater(QDate laterDate, qint64 laterPosition, QDate earlierDate, qint64 earlierPosition)
{
    return laterDate > earlierDate || (laterDate == earlierDate && laterPosition > earlierPosition);
}

// The latest entry of one dog's series met so far by the whole-archive scan:
// only it can be due, every earlier one being repeated.
struct LatestOfSeries
{
    QDate date;
    qint64 position = 0; // none met yet
    bool due = false;
};

// Every entry of any dog, not repeated, whose due date isDue accepts (given
// its notice). The archive is read once, each record judged where it lies and
// only a few numbers kept of it: the latest date of each dog's series and
// whether that entry is due. Most due records are repeated further on (a
// puppy's series, the boosters), so the texts are decoded only for the entries
// the whole scan leaves due, read again in file order under the same lock.
template<typename IsDue> QList<Entry> dueEntries(const QString &path, IsDue isDue)
{
    QList<Entry> due;
    if (!QFileInfo::exists(path))
        return due;
    QHash<QPair<qint64, quint64>, LatestOfSeries> latest;
    RecordFile file;
    file.openOrCreate(path, HealthRecord::recordSize);
    file.refuseBeyond(maximumRecords);
    while (!file.atEnd()) {
        const RecordView record(HealthRecord::layout(), file.readNextInPlace());
        const std::optional<qint64> dog = wholeNumber(record.storedBytes(HealthRecord::Cane));
        if (!dog)
            continue;
        // Without a date a record is no entry and repeats none.
        const QDate date = DateText::parse(asciiField(record, HealthRecord::Data));
        if (!date.isValid())
            continue;
        const qint64 position = file.currentIndex();
        LatestOfSeries &series = latest[{ *dog, seriesOf(record) }];
        if (series.position != 0 && !isLater(date, position, series.date, series.position))
            continue;
        series.date = date;
        series.position = position;
        const QDate dueDate = DateText::parse(asciiField(record, HealthRecord::Scadenza));
        const std::optional<qint64> notice = wholeNumber(record.storedBytes(HealthRecord::Preavviso));
        series.due = dueDate.isValid() && isDue(dueDate, notice ? int(*notice) : HealthDue::defaultNoticeDays);
    }

    std::vector<std::pair<qint64, qint64>> found; // position, dog
    for (auto series = latest.cbegin(); series != latest.cend(); ++series) {
        if (series->due)
            found.emplace_back(series->position, series.key().first);
    }
    std::sort(found.begin(), found.end());
    for (const auto &[position, dog] : found) {
        file.seekRecord(position - 1);
        const RecordView record(HealthRecord::layout(), file.readNextInPlace());
        if (std::optional<Entry> entry = record.fieldsFit() ? entryOf(record, dog, position) : std::nullopt)
            due.append(std::move(*entry));
    }
    file.closeFile();
    std::sort(due.begin(), due.end(), [](const Entry &a, const Entry &b) {
        return a.due < b.due || (a.due == b.due && (a.dog < b.dog || (a.dog == b.dog && a.position < b.position)));
    });
    return due;
}

} // namespace

std::optional<HealthDue::Kind> kindNamed(QStringView text)
{
    const qsizetype index = HealthDue::kindNames().indexOf(text);
    if (index < 0)
        return std::nullopt;
    return HealthDue::Kind(index);
}

Booklet read(const QString &path, qint64 dog)
{
    Booklet booklet;
    const QByteArray dogText = QByteArray::number(dog);
    DogLogFile::scan(path, format, [&](const RecordView &record, qint64 position) {
        if (isEmptySlot(record)) {
            booklet.emptySlots.append(position);
            return;
        }
        if (record.storedBytes(HealthRecord::Cane) != dogText)
            return;
        if (std::optional<Entry> entry = record.fieldsFit() ? entryOf(record, dog, position) : std::nullopt)
            booklet.entries.append(std::move(*entry));
        else
            ++booklet.unreadable;
    });
    std::stable_sort(booklet.entries.begin(), booklet.entries.end(),
                     [](const Entry &a, const Entry &b) { return a.date < b.date; });
    return booklet;
}

bool isRepeated(const Entry &entry, const QList<Entry> &booklet)
{
    return std::any_of(booklet.cbegin(), booklet.cend(), [&entry](const Entry &other) {
        return other.dog == entry.dog && other.series == entry.series
            && isLater(other.date, other.position, entry.date, entry.position);
    });
}

HealthDue::State state(const Entry &entry, const QList<Entry> &booklet, QDate today)
{
    if (isRepeated(entry, booklet))
        return HealthDue::State::None;
    return HealthDue::state(entry.due, today, entry.noticeDays);
}

std::optional<int> parseNotice(QStringView text)
{
    const std::optional<qint64> days = wholeNumber(trimmedView(text).toLatin1());
    if (!days || *days > 365)
        return std::nullopt;
    return int(*days);
}

std::optional<Problem> check(QStringView date, QStringView due, QStringView notice)
{
    const QDate day = DateText::parse(trimmedView(date));
    if (!day.isValid()) {
        return Problem { Problem::Date,
                         QString::fromUtf8("Attenzione: la data indicata non esiste. Indicare la data del "
                                           "trattamento nella forma gg/mm/aaaa (per esempio 05/03/2024).") };
    }
    if (!trimmedView(due).isEmpty()) {
        const QDate dueDay = DateText::parse(trimmedView(due));
        if (!dueDay.isValid()) {
            return Problem { Problem::Due,
                             QString::fromUtf8("Attenzione: la data della prossima scadenza non esiste. Indicarla "
                                               "nella forma gg/mm/aaaa (per esempio 05/03/2025), o lasciarla vuota "
                                               "se il trattamento non va ripetuto.") };
        }
        if (dueDay < day) {
            return Problem { Problem::Due,
                             QString::fromUtf8("Attenzione: la prossima scadenza (%1) precede la data del "
                                               "trattamento (%2). Indicare una scadenza dal %2 in poi.")
                                 .arg(DateText::format(dueDay), DateText::format(day)) };
        }
    }
    if (!parseNotice(notice)) {
        return Problem { Problem::Notice,
                         QString::fromUtf8("Attenzione: il preavviso va indicato in giorni, con un numero intero "
                                           "da 0 a 365.") };
    }
    return std::nullopt;
}

Entry booster(const Entry &given, QDate today, QDate birth)
{
    Entry next;
    next.dog = given.dog;
    next.date = today;
    next.kind = given.kind;
    next.what = given.what;
    next.veterinarian = given.veterinarian;
    next.noticeDays = given.noticeDays;
    next.due = HealthDue::dueAfter(today, HealthDue::defaultInterval(given.kind, today, birth));
    return next;
}

qint64 add(const QString &path, const Entry &entry)
{
    return DogLogFile::append(path, format, recordOf(entry), isEmptySlot);
}

bool replace(const QString &path, const Entry &shown, const Entry &entry)
{
    return DogLogFile::replace(path, format, shown.position, shown.stored, recordOf(entry));
}

bool remove(const QString &path, const Entry &shown)
{
    return DogLogFile::replace(path, format, shown.position, shown.stored, Record(HealthRecord::layout()));
}

QList<Entry> toAnnounce(const QString &path, QDate today)
{
    return dueEntries(path, [today](QDate due, int noticeDays) { return today.daysTo(due) <= noticeDays; });
}

QList<Entry> dueBetween(const QString &path, QDate first, QDate last)
{
    return dueEntries(path, [first, last](QDate due, int) { return due >= first && due <= last; });
}

QString announcement(const Entry &entry, const QString &dogName)
{
    QString what = entry.kind == HealthDue::Kind::Vaccinazione
        ? QStringLiteral("Richiamo ") + (entry.what.isEmpty() ? QStringLiteral("vaccinazione") : entry.what)
        : HealthDue::kindNames().at(int(entry.kind)) + (entry.what.isEmpty() ? QString() : u' ' + entry.what);
    return QString::fromUtf8("%1 — %2, %3").arg(what, dogName, DateText::format(entry.due));
}

} // namespace HealthBooklet
