#include "schedule/HealthNotices.h"

#include "kennel/DogCards.h"
#include "schedule/DogCardCells.h"
#include "storage/DogRecord.h"
#include "storage/HealthRecord.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordFile.h"

#include <algorithm>
#include <iterator>

static_assert(
    dogCardCells[0].first == DogRecord::Nome, "a notice takes the name from the first of the card's values");

namespace HealthNotices {

QString unnamedDog(qint64 position)
{
    return QStringLiteral("cane n. %1").arg(position);
}

QList<Notice> read(const ProgramFolder &folder, QDate today)
{
    const QList<HealthBooklet::Entry> due
        = HealthBooklet::toAnnounce(folder.filePath(HealthRecord::fileName()), today);
    if (due.isEmpty())
        return {};
    QList<qint64> dogs;
    for (const HealthBooklet::Entry &entry : due)
        dogs.append(entry.dog);
    DogRecord::Field cardFields[std::size(dogCardCells)];
    std::transform(std::begin(dogCardCells), std::end(dogCardCells), cardFields,
        [](const auto &cell) { return cell.first; });
    QHash<qint64, QStringList> cards;
    try {
        cards = DogCards::values(folder.filePath(DogRecord::fileName), dogs, cardFields);
    } catch (const RecordFileError &) {
        // The due dates matter more than the names: each dog goes by its number.
    }
    QList<Notice> notices;
    notices.reserve(due.size());
    for (const HealthBooklet::Entry &entry : due) {
        QStringList card = cards.value(entry.dog);
        QString name = card.isEmpty() ? QString() : card.at(0); // dogCardCells starts with the name
        if (name.isEmpty())
            name = unnamedDog(entry.dog);
        QString line = HealthBooklet::announcement(entry, name);
        notices.append({ entry, std::move(name), std::move(line), std::move(card) });
    }
    return notices;
}

} // namespace HealthNotices
