#include "backup/ArchiveWriter.h"

#include "backup/Messages.h"

#include <QFile>
#include <QFileInfo>

#include <archive.h>
#include <archive_entry.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace Backup {

// Hashing a piece and writing it into the archive each take about as
// long as reading it: one thread of its own hashes each piece while the
// caller writes it, on a second core. One thread for the whole backup,
// handed piece after piece, rather than one started for every piece.
class SideHasher
{
public:
    SideHasher()
        : m_thread([this] { run(); })
    {
    }
    ~SideHasher()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    SideHasher(const SideHasher &) = delete;
    SideHasher &operator=(const SideHasher &) = delete;

    /// Starts adding size bytes at data to hash; both stay untouched
    /// until wait() has returned.
    void start(Manifest::Sha256 &hash, const char *data, qint64 size)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_piece = { &hash, data, size };
        }
        m_changed.notify_all();
    }
    /// Waits until the piece started last is in its hash.
    void wait()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_piece.hash == nullptr; });
    }

private:
    struct Piece
    {
        Manifest::Sha256 *hash = nullptr;
        const char *data = nullptr;
        qint64 size = 0;
    };

    void run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return m_stopping || m_piece.hash != nullptr; });
            if (m_piece.hash == nullptr)
                return; // stopping, with no piece left
            const Piece piece = m_piece;
            lock.unlock();
            piece.hash->add(piece.data, piece.size);
            lock.lock();
            m_piece = {};
            m_changed.notify_all();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    Piece m_piece;
    bool m_stopping = false;
    std::thread m_thread; // last: it starts once the members above exist
};

namespace {

constexpr qint64 chunkBytes = 1 << 20;

struct EntryDeleter
{
    void operator()(archive_entry *e) const { archive_entry_free(e); }
};

la_ssize_t writeToDevice(archive *a, void *client, const void *buffer, size_t length)
{
    auto *out = static_cast<QIODevice *>(client);
    const qint64 written = out->write(static_cast<const char *>(buffer), qint64(length));
    if (written != qint64(length)) {
        archive_set_error(a, EIO, "%s", qPrintable(out->errorString()));
        return -1;
    }
    return la_ssize_t(written);
}

} // namespace

void ArchiveWriter::Free::operator()(archive *a) const
{
    archive_write_free(a);
}

ArchiveWriter::ArchiveWriter(QIODevice &out, const QString &shownPath)
    : m_shownPath(shownPath)
    , m_archive(archive_write_new())
    , m_hasher(std::make_unique<SideHasher>())
    , m_buffer(chunkBytes, Qt::Uninitialized)
{
    archive *a = m_archive.get();
    archive_write_set_format_zip(a);
    archive_write_set_format_option(a, "zip", "compression", "store");
    archive_write_set_format_option(a, "zip", "hdrcharset", "UTF-8");
    // Unblocked: every piece goes straight to the file, and nothing pads its end.
    archive_write_set_bytes_per_block(a, 0);
    if (archive_write_open(a, &out, nullptr, writeToDevice, nullptr) != ARCHIVE_OK)
        throw Error(Messages::cannotWrite(m_shownPath));
}

ArchiveWriter::~ArchiveWriter() = default;

void ArchiveWriter::addFolder(const QString &name, qint64 modified)
{
    writeHeader(name + u'/', AE_IFDIR, 0755, 0, modified);
}

Manifest::Content ArchiveWriter::addFile(const QString &name, QFile &file, const std::function<void(qint64)> &copied)
{
    const qint64 size = file.size();
    writeHeader(name, AE_IFREG, 0644, size, QFileInfo(file).lastModified().toSecsSinceEpoch());
    Manifest::Sha256 hash;
    for (qint64 left = size; left > 0;) {
        const qint64 got = file.read(m_buffer.data(), qMin(left, qint64(m_buffer.size())));
        // A file cut short while it was copied cannot be copied faithfully.
        if (got <= 0)
            throw Error(Messages::cannotRead(name));
        m_hasher->start(hash, m_buffer.constData(), got);
        try {
            writeData(m_buffer.constData(), got);
        } catch (...) {
            m_hasher->wait();
            throw;
        }
        m_hasher->wait();
        left -= got;
        copied(got);
    }
    return Manifest::Content { false, size, hash.hex() };
}

void ArchiveWriter::addData(const QString &name, const QByteArray &data)
{
    writeHeader(name, AE_IFREG, 0644, data.size(), 0);
    writeData(data.constData(), data.size());
}

void ArchiveWriter::close()
{
    if (archive_write_close(m_archive.get()) != ARCHIVE_OK)
        throw Error(Messages::cannotWrite(m_shownPath));
}

void ArchiveWriter::writeHeader(const QString &name, unsigned int type, int permissions, qint64 size, qint64 modified)
{
    const std::unique_ptr<archive_entry, EntryDeleter> entry(archive_entry_new());
    archive_entry_set_pathname_utf8(entry.get(), name.toUtf8().constData());
    if (modified != 0)
        archive_entry_set_mtime(entry.get(), modified, 0);
    archive_entry_set_filetype(entry.get(), type);
    archive_entry_set_perm(entry.get(), permissions);
    if (type == AE_IFREG)
        archive_entry_set_size(entry.get(), size);
    if (archive_write_header(m_archive.get(), entry.get()) != ARCHIVE_OK)
        throw Error(Messages::cannotWrite(m_shownPath));
}

void ArchiveWriter::writeData(const char *data, qint64 size)
{
    if (archive_write_data(m_archive.get(), data, size_t(size)) != la_ssize_t(size))
        throw Error(Messages::cannotWrite(m_shownPath));
}

} // namespace Backup
