#pragma once

#include "storage/DogRecord.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <span>

// Some values of the dogs' cards at some positions of the dog archive, for
// the lines that show a dog beside one of its entries (a health booklet's due
// date): each card read where it lies, only the fields asked for.
namespace DogCards {

/// The trimmed values of fields, in their order, of each of positions the
/// archive holds; a position beyond the archive is left out. Reads only: no
/// archive, no values. Throws RecordFileError.
QHash<qint64, QStringList> values(
    const QString &archivePath, const QList<qint64> &positions, std::span<const DogRecord::Field> fields);

/// The same for the dogs' names alone.
QHash<qint64, QString> names(const QString &archivePath, const QList<qint64> &positions);

} // namespace DogCards
