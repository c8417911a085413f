#include "kennel/DogCards.h"

#include "storage/Record.h"
#include "storage/RecordFile.h"

#include <QFileInfo>

QHash<qint64, QStringList> DogCards::values(
    const QString &archivePath, const QList<qint64> &positions, std::span<const DogRecord::Field> fields)
{
    QHash<qint64, QStringList> values;
    if (positions.isEmpty() || !QFileInfo::exists(archivePath))
        return values;
    RecordFile archive;
    archive.openOrCreate(archivePath, DogRecord::recordSize);
    for (const qint64 position : positions) {
        if (position < 1 || position > archive.recordCount() || values.contains(position))
            continue;
        archive.seekRecord(position - 1);
        const RecordView card(DogRecord::layout(), archive.readNextInPlace());
        QStringList &cardValues = values[position];
        for (const DogRecord::Field field : fields)
            cardValues.append(card.value(field).trimmed());
    }
    archive.closeFile();
    return values;
}

QHash<qint64, QString> DogCards::names(const QString &archivePath, const QList<qint64> &positions)
{
    constexpr DogRecord::Field name[] = { DogRecord::Nome };
    QHash<qint64, QString> names;
    const QHash<qint64, QStringList> cards = values(archivePath, positions, name);
    for (auto card = cards.cbegin(); card != cards.cend(); ++card)
        names.insert(card.key(), card->first());
    return names;
}
