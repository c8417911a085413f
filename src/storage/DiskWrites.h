#pragma once

#include <QtGlobal>

class QFile;
class QString;

// The calls through which a record file and its journal change what the disk
// holds. A save goes through them alone, so that a test can make any one of
// them fail, or end the program there as a power cut would, and prove what
// the next opening finds.
class DiskWrites
{
public:
    virtual ~DiskWrites() = default;

    /// Writes size bytes at offset of the open file; the number of bytes written, or -1.
    virtual qint64 writeAt(QFile &file, qint64 offset, const char *data, qint64 size);
    /// Cuts or extends the open file to size bytes.
    virtual bool resize(QFile &file, qint64 size);
    /// Flushes what was written to the file to stable storage.
    virtual bool syncData(QFile &file);
    /// Removes the file at path.
    virtual bool remove(const QString &path);
    /// Flushes the folder holding path, so that a file created or removed
    /// there stays so after a power cut. Best effort: some file systems
    /// cannot flush a folder, and the files themselves are flushed already.
    virtual void syncFolderOf(const QString &path);
};
