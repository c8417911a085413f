#include "backup/Backup.h"

#include "backup/Manifest.h"
#include "backup/Messages.h"
#include "backup/ProgressCounter.h"
#include "backup/Utf8Names.h"
#include "storage/FileLock.h"
#include "storage/ProgramFolder.h"
#include "storage/RollbackJournal.h"
#include "storage/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <archive.h>
#include <archive_entry.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace Backup {

namespace {

    constexpr qint64 chunkBytes = 1 << 20;

    struct WriterDeleter
    {
        void operator()(archive *a) const { archive_write_free(a); }
    };
    struct EntryDeleter
    {
        void operator()(archive_entry *e) const { archive_entry_free(e); }
    };
    using Entry = std::unique_ptr<archive_entry, EntryDeleter>;

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

Totals create(const ProgramFolder &folder, const QString &zipPath, const ProgressReport &progress)
{
    if (folder.keeps(zipPath))
        throw Error(keptFileMessage(zipPath));
    if (const QStringList links = linkedDataEntries(folder.path()); !links.isEmpty())
        throw Error(Messages::linkedData(links));
    const Utf8Names names;
    // Listed before the archive's temporary file exists, and without the
    // archive itself, should the user keep it among the data: compared where
    // each lands, so that a linked folder or a link is no way round.
    QStringList listed = dataEntries(folder.path());
    const QDir root(folder.path());
    const QString archiveLanding = landingPath(zipPath);
    listed.removeIf([&](const QString &name) { return landingPath(root.filePath(name)) == archiveLanding; });
    Totals sizes;
    for (const QString &item : std::as_const(listed)) {
        if (!item.endsWith(u'/')) {
            ++sizes.files;
            sizes.bytes += QFileInfo(root.filePath(item)).size();
        }
    }
    // Stopping anywhere before the rename leaves no trace: the writer, going,
    // removes its temporary file, and each source file closes with its lock.
    ProgressCounter counter(progress, Progress::Stage::Copying, sizes);
    counter.tell();
    WholeFileWriter out(zipPath);
    if (!out.open())
        throw Error(Messages::cannotWrite(zipPath));
    std::unique_ptr<archive, WriterDeleter> writer(archive_write_new());
    archive *a = writer.get();
    archive_write_set_format_zip(a);
    archive_write_set_format_option(a, "zip", "compression", "store");
    archive_write_set_format_option(a, "zip", "hdrcharset", "UTF-8");
    // Unblocked: every piece goes straight to the file, and nothing pads its end.
    archive_write_set_bytes_per_block(a, 0);
    if (archive_write_open(a, &out.device(), nullptr, writeToDevice, nullptr) != ARCHIVE_OK)
        throw Error(Messages::cannotWrite(zipPath));

    Manifest::Contents contents;
    Totals totals;
    QByteArray buffer(chunkBytes, Qt::Uninitialized);
    SideHasher hasher;
    const auto writeEntry = [&](archive_entry *entry) {
        if (archive_write_header(a, entry) != ARCHIVE_OK)
            throw Error(Messages::cannotWrite(zipPath));
    };
    const auto writeData = [&](const char *data, qint64 size) {
        if (archive_write_data(a, data, size_t(size)) != la_ssize_t(size))
            throw Error(Messages::cannotWrite(zipPath));
    };

    // A file's entry and bytes, from the open file.
    const auto copyFile = [&](const QString &name, QFile &file) {
        Entry entry(archive_entry_new());
        archive_entry_set_pathname_utf8(entry.get(), name.toUtf8().constData());
        archive_entry_set_mtime(entry.get(), QFileInfo(file).lastModified().toSecsSinceEpoch(), 0);
        const qint64 size = file.size();
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0644);
        archive_entry_set_size(entry.get(), size);
        writeEntry(entry.get());
        Manifest::Sha256 hash;
        for (qint64 left = size; left > 0;) {
            const qint64 got = file.read(buffer.data(), qMin(left, qint64(buffer.size())));
            // A file cut short while it was copied cannot be copied faithfully.
            if (got <= 0)
                throw Error(Messages::cannotRead(name));
            hasher.start(hash, buffer.constData(), got);
            try {
                writeData(buffer.constData(), got);
            } catch (...) {
                hasher.wait();
                throw;
            }
            hasher.wait();
            left -= got;
            counter.addBytes(got);
        }
        contents.insert(name, Manifest::Content { false, size, hash.hex() });
        ++totals.files;
        totals.bytes += size;
        counter.addFile();
    };

    for (const QString &item : std::as_const(listed)) {
        // A journal goes with its record file, under the same hold.
        if (isRecordJournalName(item))
            continue;
        const bool isFolder = item.endsWith(u'/');
        const QString name = isFolder ? item.chopped(1) : item;
        const QFileInfo info(root.filePath(name));
        if (isFolder) {
            Entry entry(archive_entry_new());
            archive_entry_set_pathname_utf8(entry.get(), item.toUtf8().constData());
            archive_entry_set_mtime(entry.get(), info.lastModified().toSecsSinceEpoch(), 0);
            archive_entry_set_filetype(entry.get(), AE_IFDIR);
            archive_entry_set_perm(entry.get(), 0755);
            writeEntry(entry.get());
            contents.insert(name, Manifest::Content { true, 0, {} });
            continue;
        }
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            throw Error(Messages::cannotRead(name));
        // A record file is copied as it stands between two saves of another
        // copy of the program: that copy holds the file exclusively while it
        // writes, so a shared hold here waits for its save to end.
        if (isRecordFileName(name) && lockOpenFile(file, FileLockKind::Shared) != 0)
            throw Error(Messages::cannotRead(name));
        copyFile(name, file);
        // Under that hold a journal beside it is no save in progress but one
        // a crash left: the two together restore the file as it was before.
        const QString journalName = RollbackJournal::nameFor(name);
        QFile journal(root.filePath(journalName));
        if (isRecordFileName(name) && RollbackJournal::holdsRollback(journal.fileName())) {
            if (!journal.open(QIODevice::ReadOnly))
                throw Error(Messages::cannotRead(journalName));
            copyFile(journalName, journal);
        }
    }

    const QByteArray manifest = Manifest::text(contents);
    Entry entry(archive_entry_new());
    archive_entry_set_pathname_utf8(entry.get(), Manifest::fileName.toUtf8().constData());
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_size(entry.get(), manifest.size());
    writeEntry(entry.get());
    writeData(manifest.constData(), manifest.size());

    counter.tell(); // the last point of return
    if (archive_write_close(a) != ARCHIVE_OK || !out.commit())
        throw Error(Messages::cannotWrite(zipPath));
    return totals;
}

} // namespace Backup
