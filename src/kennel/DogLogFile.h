#pragma once

#include "storage/Record.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

// The file of one of a dog's logs (its costs, its weighings, its health
// booklet): a file per dog position, or one archive whose records each name
// their dog; fixed-length records addressed by their 1-based position, never
// moved. Every function opens the file, creating it empty when missing,
// refuses one larger than any log (OversizedFileError, before a record is
// read) and closes it before it returns; any other failure throws
// RecordFileError.
namespace DogLogFile {

/// What a kind of log stores: its record layout, the name of the file that
/// holds a dog's log (the same name for every dog when one archive holds the
/// logs of all, each record naming its dog) and the most records a file of it
/// may hold.
struct Format
{
    const RecordLayout &(*layout)();
    QString (*fileNameForDog)(int position);
    qint64 maximumRecords;
};

/// Calls visit with the bytes (valid only during the call) and the position
/// of every record, in file order; counted, when given, first learns how
/// many records there are.
void scan(const QString &path, const Format &format,
          const std::function<void(const RecordView &record, qint64 position)> &visit,
          const std::function<void(qint64 records)> &counted = {});

/// A record whose slot a new entry may take (a deleted one).
using FreeSlot = bool (*)(const RecordView &record);

/// Stores a new record in the first free slot when the log has any, else at
/// the end. Returns its position.
qint64 append(const QString &path, const Format &format, const Record &record, FreeSlot isFree = nullptr);

/// Writes record at position when that record still holds stored, the bytes
/// read from it: false, and nothing written, when another copy of the program
/// changed or deleted it since (or the file no longer reaches it).
bool replace(const QString &path, const Format &format, qint64 position, QByteArrayView stored,
             const Record &record);

} // namespace DogLogFile
