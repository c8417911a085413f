#pragma once

#include "backup/Backup.h"
#include "backup/Manifest.h"
#include "backup/Utf8Names.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QFile;
class QIODevice;
struct archive;

namespace Backup {

class SideHasher;

// Writes a backup archive entry by entry, stored uncompressed with UTF-8
// names, into a device already open; the twin of ArchiveReader. Each file is
// hashed while it is written, for the manifest. Any failure to write throws
// Error naming shownPath.
class ArchiveWriter
{
public:
    ArchiveWriter(QIODevice &out, const QString &shownPath);
    ~ArchiveWriter();
    ArchiveWriter(const ArchiveWriter &) = delete;
    ArchiveWriter &operator=(const ArchiveWriter &) = delete;

    /// A folder's entry; name ends without "/".
    void addFolder(const QString &name, qint64 modified);
    /// A file's entry and the bytes of the open file, in pieces, telling
    /// copied() the size of each; returns the size and hash of all of it.
    /// A file cut short while it is copied throws Error naming name.
    Manifest::Content addFile(const QString &name, QFile &file, const std::function<void(qint64)> &copied);
    /// An entry holding data.
    void addData(const QString &name, const QByteArray &data);
    /// Ends the archive. Throws Error.
    void close();

private:
    struct Free
    {
        void operator()(archive *a) const;
    };

    void writeHeader(const QString &name, unsigned int type, int permissions, qint64 size, qint64 modified);
    void writeData(const char *data, qint64 size);

    Utf8Names m_names;
    QString m_shownPath;
    std::unique_ptr<archive, Free> m_archive;
    std::unique_ptr<SideHasher> m_hasher;
    QByteArray m_buffer;
};

} // namespace Backup
