#include "kennel/DogNames.h"

#include "storage/DogRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"

#include <QFileInfo>

QHash<qint64, QString> DogNames::read(const QString &archivePath, const QList<qint64> &positions)
{
    QHash<qint64, QString> names;
    if (positions.isEmpty() || !QFileInfo::exists(archivePath))
        return names;
    RecordFile archive;
    archive.openOrCreate(archivePath, DogRecord::recordSize);
    for (const qint64 position : positions) {
        if (position < 1 || position > archive.recordCount() || names.contains(position))
            continue;
        archive.seekRecord(position - 1);
        names.insert(position, RecordView(DogRecord::layout(), archive.readNextInPlace()).value(DogRecord::Nome).trimmed());
    }
    archive.closeFile();
    return names;
}
