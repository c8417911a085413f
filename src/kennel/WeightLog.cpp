#include "kennel/WeightLog.h"

#include "core/DateText.h"
#include "storage/Record.h"
#include "storage/ShortText.h"
#include "storage/WeightRecord.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace WeightLog {

const DogLogFile::Format format { WeightRecord::layout, WeightRecord::fileNameForDog, maximumRecords };

namespace {

// A deleted weighing: a record with neither date nor weight.
bool isEmptySlot(const RecordView &record)
{
    return record.storedBytes(WeightRecord::Data).isEmpty() && record.storedBytes(WeightRecord::Peso).isEmpty();
}

// The record of a weighing, as the window writes it.
Record recordOf(const Weighing &weighing)
{
    Record record(WeightRecord::layout());
    record.setValue(WeightRecord::Data, DateText::format(weighing.date));
    record.setValue(WeightRecord::Peso, kilograms(weighing.grams));
    record.setValue(WeightRecord::Note, weighing.note);
    return record;
}

} // namespace

std::optional<int> parseGrams(QStringView kilograms)
{
    const QStringView text = trimmedView(kilograms);
    int whole = 0;
    int thousandths = 0;
    int wholeDigits = 0;
    int decimals = -1; // -1 before the comma
    for (const QChar c : text) {
        if (c == u',') {
            if (decimals >= 0)
                return std::nullopt;
            decimals = 0;
        } else if (c >= u'0' && c <= u'9') {
            const int digit = c.unicode() - u'0';
            if (decimals < 0) {
                whole = whole * 10 + digit;
                if (whole > maximumGrams / 1000)
                    return std::nullopt;
                ++wholeDigits;
            } else {
                if (++decimals > 3)
                    return std::nullopt;
                thousandths = thousandths * 10 + digit;
            }
        } else {
            return std::nullopt;
        }
    }
    if (wholeDigits == 0 && decimals <= 0)
        return std::nullopt; // blank, or a comma alone
    for (int i = std::max(decimals, 0); i < 3; ++i)
        thousandths *= 10;
    const int grams = whole * 1000 + thousandths;
    if (grams <= 0 || grams > maximumGrams)
        return std::nullopt;
    return grams;
}

QString kilograms(int grams, int places)
{
    const int whole = grams / 1000;
    const int rest = grams % 1000;
    QString text = QString::number(whole) + u',' + QStringLiteral("%1").arg(rest, 3, 10, QChar(u'0'));
    if (places < 3 && text.endsWith(u'0'))
        text.chop(1);
    return text;
}

QString change(int grams, int places)
{
    if (grams == 0)
        return kilograms(0, places);
    return (grams > 0 ? u'+' : u'-') + kilograms(std::abs(grams), places);
}

int placesFor(const QList<Weighing> &weighings)
{
    const bool grams = std::any_of(weighings.cbegin(), weighings.cend(),
                                   [](const Weighing &weighing) { return weighing.grams % 10 != 0; });
    return grams ? 3 : 2;
}

std::optional<double> gainPerDay(const Weighing &earlier, const Weighing &later)
{
    const qint64 days = earlier.date.daysTo(later.date);
    if (days <= 0)
        return std::nullopt;
    return double(later.grams - earlier.grams) / double(days);
}

QString gainText(double gramsPerDay)
{
    const qint64 tenths = std::llround(gramsPerDay * 10);
    if (tenths == 0)
        return QStringLiteral("0");
    QString text = QString::number(std::abs(tenths) / 10);
    if (std::abs(tenths) % 10 != 0)
        text += u',' + QString::number(std::abs(tenths) % 10);
    return (tenths > 0 ? u'+' : u'-') + text;
}

bool isYoung(QDate birth, QDate day)
{
    return !birth.isValid() || day < birth.addYears(1);
}

Log read(const QString &path)
{
    Log log;
    DogLogFile::scan(
        path, format,
        [&log](const RecordView &record, qint64 position) {
            if (isEmptySlot(record)) {
                log.emptySlots.append(position);
                return;
            }
            const QByteArrayView date = record.storedBytes(WeightRecord::Data);
            const QByteArrayView weight = record.storedBytes(WeightRecord::Peso);
            // Dates and weights are ASCII in any file the program wrote.
            const QDate day = DateText::parse(QLatin1StringView(date));
            const std::optional<int> grams = parseGrams(QString::fromLatin1(weight));
            if (!day.isValid() || !grams) {
                ++log.unreadable;
                return;
            }
            const QByteArrayView note = record.storedBytes(WeightRecord::Note);
            log.weighings.append(Weighing { day, *grams,
                note.isEmpty() ? QString() : record.value(WeightRecord::Note), position,
                QByteArray(record.data(), WeightRecord::recordSize) });
        },
        [&log](qint64 records) { log.weighings.reserve(records); });
    std::stable_sort(log.weighings.begin(), log.weighings.end(),
                     [](const Weighing &a, const Weighing &b) { return a.date < b.date; });
    return log;
}

std::optional<Problem> check(QStringView date, QStringView weight, const QList<Weighing> &log,
                             qint64 editedPosition, QDate birth)
{
    const QDate day = DateText::parse(trimmedView(date));
    if (!day.isValid()) {
        return Problem { Problem::Date,
                         QString::fromUtf8("Attenzione: la data indicata non esiste. Indicare la data della pesata "
                                           "nella forma gg/mm/aaaa (per esempio 05/03/2024).") };
    }
    if (birth.isValid() && day < birth) {
        return Problem { Problem::Date,
                         QString::fromUtf8("Attenzione: la data della pesata (%1) precede la data di nascita del "
                                           "cane (%2). Indicare una data dal %2 in poi.")
                             .arg(DateText::format(day), DateText::format(birth)) };
    }
    if (!parseGrams(weight)) {
        return Problem { Problem::Weight,
                         QString::fromUtf8("Attenzione: il peso va indicato in chilogrammi, con un numero maggiore "
                                           "di 0 e non superiore a 150 e al massimo tre decimali dopo la virgola "
                                           "(per esempio 12,35).") };
    }
    // A file written elsewhere may give one date to two weighings: either
    // may still be modified keeping its date, which makes no new duplicate.
    const bool keepsItsDate = std::any_of(log.cbegin(), log.cend(), [&](const Weighing &edited) {
        return editedPosition > 0 && edited.position == editedPosition && edited.date == day;
    });
    const bool taken = !keepsItsDate && std::any_of(log.cbegin(), log.cend(), [&](const Weighing &other) {
        return other.date == day && other.position != editedPosition;
    });
    if (taken) {
        return Problem { Problem::Date,
                         QString::fromUtf8("Attenzione: il registro contiene già una pesata in data %1. Per "
                                           "correggerla selezionarla nell'elenco e premere Modifica.")
                             .arg(DateText::format(day)) };
    }
    return std::nullopt;
}

QList<Problem> doubts(const Weighing &weighing, const QList<Weighing> &log, QDate today)
{
    QList<Problem> doubts;
    if (weighing.date > today) {
        doubts.append({ Problem::Date,
            QString::fromUtf8("La data della pesata (%1) è successiva a quella di oggi (%2).\r\n\r\n"
                              "Registrare comunque la pesata con questa data?")
                .arg(DateText::format(weighing.date), DateText::format(today)) });
    }
    const Weighing *previous = nullptr;
    for (const Weighing &other : log) {
        if (other.date < weighing.date && other.position != weighing.position)
            previous = &other; // the log is in date order: the last one found is the nearest
    }
    if (previous && 2 * std::abs(weighing.grams - previous->grams) > previous->grams) {
        doubts.append({ Problem::Weight,
            QString::fromUtf8("Il peso indicato, %1 kg, differisce di più della metà da quello della pesata "
                              "precedente, %2 kg il %3.\r\n\r\nRegistrare comunque la pesata con questo peso?")
                .arg(kilograms(weighing.grams), kilograms(previous->grams), DateText::format(previous->date)) });
    }
    return doubts;
}

qint64 add(const QString &path, const Weighing &weighing)
{
    return DogLogFile::append(path, format, recordOf(weighing), isEmptySlot);
}

bool replace(const QString &path, const Weighing &shown, const Weighing &weighing)
{
    return DogLogFile::replace(path, format, shown.position, shown.stored, recordOf(weighing));
}

bool remove(const QString &path, const Weighing &shown)
{
    return DogLogFile::replace(path, format, shown.position, shown.stored, Record(WeightRecord::layout()));
}

} // namespace WeightLog
