#pragma once

// The health booklets the benchmarks read: ten entries for each dog, as a
// keeper would have recorded them over the dog's life. A puppy's series of
// three vaccinations three weeks apart, two yearly boosters each repeating the
// dose before, a rabies vaccination, three wormings three months apart and a
// visit that is not repeated. The dogs' histories are staggered so that the
// latest booster of about one dog in ten is overdue or due within its notice
// on today, and so is the latest worming of another one in ten, the rabies
// vaccination of a few; every earlier entry is overdue but repeated. The archive holds the entries in the order they were given, the
// dogs' entries interleaved, as a keeper adding them day by day leaves them.

#include "core/DateText.h"
#include "storage/HealthRecord.h"
#include "storage/Record.h"

#include <QDate>
#include <QString>

namespace SampleBooklets {

inline constexpr int entriesPerDog = 10;

/// The day the booklets are judged on.
inline const QDate today(2024, 6, 15);

/// Record i (from 0) of the archive of dogs dogs, positions 1 to dogs.
inline Record entryAt(qint64 i, qint64 dogs)
{
    const qint64 dog = 1 + i % dogs;
    const int step = int(i / dogs);
    // Days from today to the latest booster's due date, -10 to 189, and to
    // the latest worming's, -3 to 116.
    const QDate boosterDue = today.addDays((dog * 7919) % 200 - 10);
    const QDate wormingDue = today.addDays((dog * 31) % 120 - 3);
    const QDate lastBooster = boosterDue.addYears(-1);
    const QDate puppyLast = lastBooster.addYears(-2);

    QDate date;
    QDate due;
    QString kind = QStringLiteral("Vaccinazione");
    QString what = QStringLiteral("Cimurro, epatite, parvovirosi");
    QString result;
    switch (step) {
    case 0: case 1: case 2: // the puppy's series, the third due a year on
        date = puppyLast.addDays(-21 * (2 - step));
        due = step < 2 ? date.addDays(21) : date.addYears(1);
        break;
    case 3: case 4: // the boosters
        date = lastBooster.addYears(step - 4);
        due = date.addYears(1);
        break;
    case 5:
        what = QStringLiteral("Rabbia");
        date = lastBooster.addDays(20);
        due = date.addYears(1);
        break;
    case 6: case 7: case 8:
        kind = QStringLiteral("Sverminazione");
        what = QStringLiteral("Milbemax");
        due = wormingDue.addMonths(3 * (step - 8));
        date = due.addMonths(-3);
        break;
    default:
        kind = QStringLiteral("Visita");
        what = QStringLiteral("Controllo annuale");
        result = QStringLiteral("Buono stato generale");
        date = lastBooster;
        break;
    }
    Record record(HealthRecord::layout());
    record.setValue(HealthRecord::Cane, QString::number(dog));
    record.setValue(HealthRecord::Data, DateText::format(date));
    record.setValue(HealthRecord::Tipo, kind);
    record.setValue(HealthRecord::Cosa, what);
    record.setValue(HealthRecord::Lotto, QStringLiteral("A%1").arg(i % 100000, 6, 10, QLatin1Char('0')));
    record.setValue(HealthRecord::Veterinario, QString::fromUtf8("Dott.ssa Bianchi – Ambulatorio Fido"));
    record.setValue(HealthRecord::Esito, result);
    record.setValue(HealthRecord::Note, step % 3 ? QString() : QStringLiteral("ben tollerato"));
    record.setValue(HealthRecord::Scadenza, due.isValid() ? DateText::format(due) : QString());
    record.setValue(HealthRecord::Preavviso, QString::number(dog % 5 ? 7 : 14));
    return record;
}

} // namespace SampleBooklets
