#pragma once

#include "backup/Backup.h"
#include "backup/Manifest.h"
#include "backup/Utf8Names.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>

class QFile;
struct archive;

namespace Backup {

/// One entry of a backup archive, its name checked: inside the program
/// folder and among its data, or the manifest.
struct ArchiveEntry
{
    QString name;
    bool folder = false;
    qint64 modified = 0; // seconds since the epoch
    qint64 size = 0; // as the header says, unproven
};

// Reads a backup archive entry by entry. Any entry a backup of this program
// could not hold (a link, a device, a way out of the folder, a name that is
// not data) refuses the whole archive; so does a damaged header or body.
class ArchiveReader
{
public:
    /// Reads an archive from a file already open, through its descriptor:
    /// the file renamed or replaced on the disk while it is read changes
    /// nothing.
    explicit ArchiveReader(QFile &file);
    /// Reads an archive held in memory (which must outlive the reader).
    explicit ArchiveReader(QByteArrayView bytes);
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader &) = delete;
    ArchiveReader &operator=(const ArchiveReader &) = delete;

    /// The next entry, or nothing at the end. Throws Error.
    std::optional<ArchiveEntry> next();

    /// Reads the current entry's data in pieces, handing each to use;
    /// returns the size and hash of all of it. Throws Error.
    template<typename Use>
    Manifest::Content read(Use &&use)
    {
        Manifest::Content content;
        Manifest::Sha256 hash;
        while (const qint64 got = readSome()) {
            hash.add(m_buffer.constData(), got);
            use(m_buffer.constData(), got);
            content.size += got;
        }
        content.sha256 = hash.hex();
        return content;
    }

private:
    struct Free
    {
        void operator()(archive *a) const;
    };

    void opened(int status);
    qint64 readSome();

    Utf8Names m_names;
    std::unique_ptr<archive, Free> m_archive;
    QByteArray m_buffer;
};

/// The files and bytes the archive's headers announce, the manifest left
/// out, read without reading any data: what a restore tells its progress
/// against. Throws Error at an entry no backup could hold.
Totals announcedTotals(QFile &file);

/// What a walk over an archive does with its entries beside checking them.
class EntrySink
{
public:
    virtual ~EntrySink() = default;
    virtual void addFolder(const ArchiveEntry &entry) = 0;
    virtual void beginFile(const ArchiveEntry &entry) = 0;
    virtual void addData(const char *data, qint64 size) = 0;
    virtual void endFile() = 0;
};

/// Walks the archive once, handing every entry but the manifest to sink,
/// and proves what it read against the manifest: the same names, each once,
/// of the same kinds, sizes and hashes. Throws Error at the first fault, so
/// whatever the sink made of an archive that is not whole must be undone.
Totals readChecked(ArchiveReader &reader, EntrySink &sink);

} // namespace Backup
