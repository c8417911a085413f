#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

class DiskWrites;

// What undoes a change to a record file after a crash or a power cut: the
// hidden file ".<name>.journal" beside it, written and flushed before the
// record file is changed and removed once the change is on the disk.
//
// It holds a header (the file's size before the change, a random salt and a
// checksum), then one entry per record about to be replaced: its offset, its
// earlier bytes and a checksum over them and the salt. An entry is flushed
// before the bytes it keeps are overwritten, so a torn entry, or one left
// from an earlier journal (a salt of its own), only ever stands for a write
// that never began; a torn header means that nothing began.
//
// Opening a record file with a whole journal puts every entry back, cuts the
// file to its earlier size and only then removes the journal: a crash during
// that is undone again at the next opening. The record file's exclusive lock
// covers all of it, so a journal is only ever read while nobody writes.
class RollbackJournal
{
public:
    /// The journal of the record file at recordFilePath.
    static QString pathFor(const QString &recordFilePath);
    /// The name of the journal of the record file named recordFileName.
    static QString nameFor(const QString &recordFileName);
    /// The name of the record file whose journal is named journalName, or
    /// an empty text when that is no journal's name.
    static QString recordNameOf(const QString &journalName);
    /// Whether the journal at journalPath is whole: reopening its record file
    /// would put earlier bytes back. A missing or torn journal holds nothing.
    static bool holdsRollback(const QString &journalPath);

    /// Undoes the change the journal of the open, locked record file stands
    /// for and removes the journal; removes a torn journal, or one that
    /// cannot be the file's (it was larger before than it is now: a file
    /// removed and made anew). False when the record file could not be put
    /// back; the journal then stays for the next opening.
    static bool recover(QFile &recordFile, DiskWrites &disk);

    RollbackJournal(const QString &recordFilePath, DiskWrites &disk);
    RollbackJournal(const RollbackJournal &) = delete;
    RollbackJournal &operator=(const RollbackJournal &) = delete;
    ~RollbackJournal();

    /// Whether a change has begun: the journal is on the disk.
    bool isOpen() const { return m_file.isOpen(); }
    /// Starts the journal of a change to a file of sizeBefore bytes, with the
    /// earlier bytes at offset (none for an append), and flushes it with its
    /// folder. False when it is not on the disk: nothing may be changed then.
    bool begin(qint64 sizeBefore, qint64 offset, QByteArrayView earlier);
    /// Adds the earlier bytes at offset to a begun journal and flushes them.
    bool add(qint64 offset, QByteArrayView earlier);
    /// Ends the change, once the record file is flushed: removes the
    /// journal. False when a whole journal stays on the disk, which would
    /// undo the change at the next opening.
    bool finish();
    /// Leaves the journal on the disk, for the next opening to roll back.
    void abandon();

private:
    bool append(const QByteArray &bytes);

    QFile m_file;
    DiskWrites &m_disk;
    quint64 m_salt = 0;
    qint64 m_size = 0;
};
