#pragma once

#include <QHash>
#include <QList>
#include <QString>

// The names of the dogs at some positions of the dog archive, for the lines
// that name a dog beside one of its entries (a health booklet's due date).
namespace DogNames {

/// The trimmed name of each of positions the archive holds, each record read
/// where it lies; a position beyond the archive is left out. Reads only: no
/// archive, no names. Throws RecordFileError.
QHash<qint64, QString> read(const QString &archivePath, const QList<qint64> &positions);

} // namespace DogNames
