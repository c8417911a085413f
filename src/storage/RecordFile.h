#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QList>
#include <QString>

#include "storage/DiskWrites.h"
#include "storage/RollbackJournal.h"

#include <optional>
#include <stdexcept>

class Record;

/// Any failure of a record file action.
class RecordFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// A file far larger than any file of its kind the program keeps (a damaged
/// or foreign file): refused before a record is read, so that opening it can
/// neither stall the window nor fill the memory.
class OversizedFileError : public RecordFileError
{
public:
    explicit OversizedFileError(const QString &path);
    /// The Italian warning, naming the file.
    QString message() const;

private:
    QString m_path;
};

/// The one message for any failure of a record-file action.
QString accessMessage();

/// Puts back every record file of the folder that a crash or a power cut
/// left in the middle of a change (its journal beside it), and removes the
/// journals whose record file is gone. A file held by another copy of the
/// program, or that cannot be put back now, waits for its next opening.
void recoverInterruptedChanges(const QString &folder);

// A headerless file of fixed-size records addressed by 0-based index (the
// 1-based position minus one). Every operation throws RecordFileError on
// failure. While open, the file is held under an exclusive lock (on Unix; an
// opener waits up to two seconds for it) so that two copies of the program
// sharing a folder never interleave their writes; closing flushes what was
// written to stable storage.
//
// A failure reported is a write that did not happen, so that saving again can
// neither store a record twice nor leave one torn. A write that fails is undone
// at once: an append is cut off, a replaced record gets its earlier bytes back.
// A flush that fails at closing undoes every write since the file was opened
// and flushes again before reporting; so does closing after a failed write
// whose earlier bytes could not be put back. On a disk that refuses every
// write, undoing fails too: the journal then stays, and the next opening
// undoes the change. On Unix, once the flush has succeeded what was written is
// stored, so an error from closing the descriptor afterwards is not reported.
//
// A crash or a power cut cannot leave a record half written either: before
// the first change since opening, the file's size and the earlier bytes of
// each record about to be replaced go into its RollbackJournal, and the
// journal is removed only once the change is flushed. Opening a file whose
// journal was left behind puts the earlier bytes back first.
//
// Every write and flush, of the records and of the journal, goes through the
// DiskWrites calls, so that a test can make any of them fail or end the
// program there.
class RecordFile : protected DiskWrites
{
public:
    RecordFile() = default;
    virtual ~RecordFile(); // closes without reporting
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    /// Opens the file for reading and writing; creates it empty only when it does not exist.
    void openOrCreate(const QString &path, int recordSize);
    /// Number of whole records; a trailing fragment is not counted.
    qint64 recordCount() const { return m_recordCount; }
    void seekRecord(qint64 index);
    qint64 currentIndex() const { return m_index; }
    void readNext(Record &record);
    /// Reads the next record without copying it: its bytes stay valid until
    /// the file's next action. Long scans use it to cost little more than the
    /// disk itself.
    const char *readNextInPlace();
    void writeNext(const Record &record);
    bool atEnd() const { return m_index >= recordCount(); }
    /// Whether the record at index still holds expected, the bytes read from
    /// it earlier: another copy of the program may have changed it since (a
    /// file cut short holds no record there). When it does, the file is left
    /// at that record, so that a writeNext that follows replaces, under the
    /// same lock, exactly what was compared.
    bool holdsRecord(qint64 index, QByteArrayView expected);
    /// Throws OversizedFileError when the file is larger than maxRecords
    /// records; nothing of it has been read then.
    void refuseBeyond(qint64 maxRecords) const;
    /// Flushes what was written to stable storage, releases the lock and closes.
    /// currentIndex and recordCount keep their values, so that the caller can
    /// show the position once the file is closed.
    void closeFile();

private:
    // Earlier bytes of the file, as they were when it was opened.
    struct EarlierBytes
    {
        qint64 offset;
        QByteArray bytes;
    };

    void lock();
    bool holdsTheFileAtItsPath() const;
    void recover();
    QByteArray readAt(qint64 offset, qint64 size);
    void keepInJournal(qint64 offset, const QByteArray &earlier);
    bool undoWrites();
    void setSize(qint64 size);
    void fillReadAhead();
    void dropReadAhead();
    void checkOpen() const;
    [[noreturn]] void fail(const char *what) const;
    [[noreturn]] void fail(const char *what, const QString &reason) const;

    QFile m_file;
    int m_recordSize = 0;
    qint64 m_index = 0;
    bool m_written = false;
    // The lock keeps other copies of the program from changing the file, so
    // its size is known without asking the file system on every atEnd().
    qint64 m_size = 0;
    qint64 m_recordCount = 0;
    // What undoes the writes since opening: the size then, and the earlier
    // bytes of each record written below it (a save writes one record).
    qint64 m_openedSize = 0;
    QList<EarlierBytes> m_replaced;
    // A write failed and its bytes could not be put back: closing undoes
    // every write since opening.
    bool m_torn = false;
    std::optional<RollbackJournal> m_journal;
    // Whole records read ahead from the file, indexes [first, end), so that a
    // scan costs one system call per quarter megabyte, not one per record.
    QByteArray m_readAhead;
    qint64 m_readAheadFirst = 0;
    qint64 m_readAheadEnd = 0;
};
