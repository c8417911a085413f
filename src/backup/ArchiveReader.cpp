#include "backup/ArchiveReader.h"

#include "backup/Messages.h"
#include "storage/ProgramFolder.h"

#include <QFile>
#include <QStringList>

#include <archive.h>
#include <archive_entry.h>

namespace Backup {

namespace {

    constexpr qint64 chunkBytes = 1 << 20;
    // The manifest lists names and hashes: even a very large folder gives a
    // few megabytes. Anything far bigger is not one.
    constexpr qint64 manifestLimit = 256 << 20;

    // Where an archive entry may go: inside the program folder, and only
    // among its data. Anything else (a way up with "..", an absolute path, a
    // drive, a name the program never writes) refuses the whole archive.
    bool allowedName(const QString &name, bool folder)
    {
        if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\') || (name.size() >= 2 && name[1] == u':'))
            return false;
        const QStringList parts = name.split(u'/');
        for (const QString &part : parts) {
            if (part.isEmpty() || part == u'.' || part == QStringLiteral(".."))
                return false;
        }
        if (isDataFolderName(parts[0]))
            return parts.size() > 1 || folder;
        return parts.size() == 1 && !folder && (isTopLevelDataName(name) || name == Manifest::fileName);
    }

} // namespace

void ArchiveReader::Free::operator()(archive *a) const
{
    archive_read_free(a);
}

ArchiveReader::ArchiveReader(QFile &file)
    : m_archive(archive_read_new())
    , m_buffer(chunkBytes, Qt::Uninitialized)
{
    // The seekable reader trusts the central directory at the end of the
    // file, so a truncated archive is refused at once.
    archive_read_support_format_zip_seekable(m_archive.get());
    opened(file.isOpen() ? archive_read_open_fd(m_archive.get(), file.handle(), size_t(chunkBytes)) : ARCHIVE_FATAL);
}

ArchiveReader::ArchiveReader(QByteArrayView bytes)
    : m_archive(archive_read_new())
    , m_buffer(chunkBytes, Qt::Uninitialized)
{
    archive_read_support_format_zip_seekable(m_archive.get());
    opened(archive_read_open_memory(m_archive.get(), bytes.data(), size_t(bytes.size())));
}

ArchiveReader::~ArchiveReader() = default;

void ArchiveReader::opened(int status)
{
    if (status != ARCHIVE_OK)
        throw Error(Messages::damaged());
}

std::optional<ArchiveEntry> ArchiveReader::next()
{
    archive_entry *entry = nullptr;
    const int status = archive_read_next_header(m_archive.get(), &entry);
    if (status == ARCHIVE_EOF)
        return std::nullopt;
    if (status != ARCHIVE_OK && status != ARCHIVE_WARN)
        throw Error(Messages::damaged());

    const mode_t type = archive_entry_filetype(entry);
    const char *raw = archive_entry_pathname_utf8(entry);
    ArchiveEntry found { raw ? QString::fromUtf8(raw) : QString(), type == AE_IFDIR, archive_entry_mtime(entry),
        archive_entry_size_is_set(entry) ? qint64(archive_entry_size(entry)) : 0 };
    if (found.folder && found.name.endsWith(u'/'))
        found.name.chop(1);
    if (!raw || (type != AE_IFREG && type != AE_IFDIR) || archive_entry_hardlink(entry) || archive_entry_symlink(entry)
        || !allowedName(found.name, found.folder))
        throw Error(Messages::forbiddenPath(raw ? QString::fromUtf8(raw) : QStringLiteral("?")));
    return found;
}

qint64 ArchiveReader::readSome()
{
    const la_ssize_t got = archive_read_data(m_archive.get(), m_buffer.data(), size_t(m_buffer.size()));
    if (got < 0)
        throw Error(Messages::damaged());
    return qint64(got);
}

Totals announcedTotals(QFile &file)
{
    ArchiveReader reader(file);
    Totals totals;
    while (const std::optional<ArchiveEntry> entry = reader.next()) {
        if (!entry->folder && entry->name != Manifest::fileName) {
            ++totals.files;
            totals.bytes += entry->size;
        }
    }
    return totals;
}

Totals readChecked(ArchiveReader &reader, EntrySink &sink)
{
    Manifest::Contents found;
    std::optional<QByteArray> manifest;
    while (const std::optional<ArchiveEntry> entry = reader.next()) {
        if (found.contains(entry->name) || (entry->name == Manifest::fileName && manifest))
            throw Error(Messages::damaged());
        if (entry->folder) {
            sink.addFolder(*entry);
            found.insert(entry->name, Manifest::Content { true, 0, {} });
        } else if (entry->name == Manifest::fileName) {
            QByteArray text;
            reader.read([&](const char *data, qint64 size) {
                if (text.size() + size > manifestLimit)
                    throw Error(Messages::damaged());
                text.append(data, size);
            });
            manifest = text;
        } else {
            sink.beginFile(*entry);
            found.insert(entry->name, reader.read([&](const char *data, qint64 size) { sink.addData(data, size); }));
            sink.endFile();
        }
    }
    if (!manifest)
        throw Error(Messages::notOurs());
    const std::optional<Manifest::Contents> listed = Manifest::parse(*manifest);
    if (!listed)
        throw Error(Messages::damaged());
    // Both ways round: nothing read that the manifest does not list as read,
    // nothing listed that was not read.
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        if (listed->value(it.key(), Manifest::Content { !it->folder, -1, {} }) != *it)
            throw Error(Messages::mismatch(it.key()));
    }
    Totals totals;
    for (auto it = listed->cbegin(); it != listed->cend(); ++it) {
        if (!found.contains(it.key()))
            throw Error(Messages::mismatch(it.key()));
        if (!it->folder) {
            ++totals.files;
            totals.bytes += it->size;
        }
    }
    return totals;
}

} // namespace Backup
