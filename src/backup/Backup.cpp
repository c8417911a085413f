#include "backup/Backup.h"

#include "storage/FileLock.h"
#include "storage/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUrl>

#include <archive.h>
#include <archive_entry.h>
#include <nettle/sha2.h>

#include <future>
#include <memory>
#include <optional>

#ifdef Q_OS_UNIX
#include <clocale>
#include <locale.h>
#include <unistd.h>
#endif

namespace Backup {

namespace {

    const QString manifestName = QStringLiteral("Manifesto_copia.txt");
    const QByteArray manifestHeader = QByteArrayLiteral("Zampora copia di sicurezza 1");
    const QString stagingName = QStringLiteral(".zampora_ripristino");
    const QStringList dataFolders
        = { QStringLiteral("Album"), QStringLiteral("Cartelle_Abbinate"), QStringLiteral("Documenti_Allegati") };
    constexpr qint64 chunkBytes = 1 << 20;
    // The manifest lists names and hashes: even a very large folder gives a
    // few megabytes. Anything far bigger is not one.
    constexpr qint64 manifestLimit = 256 << 20;

    const QString nothingChanged = QStringLiteral("\n\r\n\rNessun dato è stato modificato.");

    QString damaged()
    {
        return QStringLiteral("Attenzione: il file scelto non è una copia di sicurezza leggibile: "
                              "è danneggiato o incompleto.")
            + nothingChanged;
    }

    QString notOurs()
    {
        return QStringLiteral("Attenzione: il file scelto non è una copia di sicurezza di Zampora.") + nothingChanged;
    }

    QString forbiddenPath(const QString &name)
    {
        return QStringLiteral("Attenzione: la copia di sicurezza contiene un percorso non ammesso (%1) "
                              "e non può essere ripristinata.")
                   .arg(name)
            + nothingChanged;
    }

    QString mismatch(const QString &name)
    {
        return QStringLiteral("Attenzione: la copia di sicurezza è danneggiata: il file %1 non corrisponde "
                              "al suo manifesto.")
                   .arg(name)
            + nothingChanged;
    }

    QString cannotWrite(const QString &path)
    {
        return QStringLiteral("Attenzione: non è stato possibile scrivere il file %1.")
            .arg(QDir::toNativeSeparators(path));
    }

    QString cannotRead(const QString &name)
    {
        return QStringLiteral("Attenzione: non è stato possibile leggere il file %1.\n\r\n\r"
                              "La copia di sicurezza non è stata creata.")
            .arg(name);
    }

    QString cannotUnpack()
    {
        return QStringLiteral("Attenzione: non è stato possibile scrivere nella cartella del programma "
                              "i dati della copia di sicurezza.")
            + nothingChanged;
    }

    bool isRecordFileName(const QString &name)
    {
        return !name.contains(u'/') && (name.endsWith(QStringLiteral(".pro")) || name.endsWith(QStringLiteral(".sca")));
    }

    class Sha256
    {
    public:
        Sha256() { sha256_init(&m_context); }
        void add(const char *data, qint64 size) { sha256_update(&m_context, size_t(size), reinterpret_cast<const uint8_t *>(data)); }
        QByteArray hex()
        {
            QByteArray digest(SHA256_DIGEST_SIZE, Qt::Uninitialized);
            sha256_digest(&m_context, SHA256_DIGEST_SIZE, reinterpret_cast<uint8_t *>(digest.data()));
            return digest.toHex();
        }

    private:
        sha256_ctx m_context;
    };

    // What the manifest says of one entry, and what the archive holds.
    struct Content
    {
        bool folder = false;
        qint64 size = 0;
        QByteArray sha256;

        bool operator==(const Content &) const = default;
    };
    using Contents = QMap<QString, Content>;

    // One line per entry, the name last and percent-encoded so that any file
    // name fits on one line: "D <name>" for a folder, "F <sha256> <size>
    // <name>" for a file.
    QByteArray manifestText(const Contents &contents)
    {
        QByteArray text = manifestHeader + '\n';
        for (auto it = contents.cbegin(); it != contents.cend(); ++it) {
            const QByteArray name = QUrl::toPercentEncoding(it.key(), "/");
            if (it->folder)
                text += "D " + name + '\n';
            else
                text += "F " + it->sha256 + ' ' + QByteArray::number(it->size) + ' ' + name + '\n';
        }
        return text;
    }

    std::optional<Contents> parseManifest(const QByteArray &text)
    {
        QList<QByteArray> lines = text.split('\n');
        if (lines.isEmpty() || lines.takeFirst() != manifestHeader || lines.isEmpty() || !lines.takeLast().isEmpty())
            return std::nullopt;
        static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
        Contents contents;
        for (const QByteArray &line : std::as_const(lines)) {
            const QList<QByteArray> parts = line.split(' ');
            Content content;
            QByteArray name;
            if (parts.size() == 2 && parts[0] == "D") {
                content.folder = true;
                name = parts[1];
            } else if (parts.size() == 4 && parts[0] == "F" && hex.match(QString::fromLatin1(parts[1])).hasMatch()) {
                bool ok = false;
                content.sha256 = parts[1];
                content.size = parts[2].toLongLong(&ok);
                if (!ok || content.size < 0)
                    return std::nullopt;
                name = parts[3];
            } else {
                return std::nullopt;
            }
            const QString decoded = QUrl::fromPercentEncoding(name);
            if (decoded.isEmpty() || contents.contains(decoded))
                return std::nullopt;
            contents.insert(decoded, content);
        }
        return contents;
    }

    // Where an archive entry may go: inside the program folder, and only
    // among its data. Anything else (a way up with "..", an absolute path, a
    // drive, a name the program never writes) refuses the whole archive.
    bool allowedName(const QString &name, bool folder)
    {
        if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\')
            || (name.size() >= 2 && name[1] == u':'))
            return false;
        const QStringList parts = name.split(u'/');
        for (const QString &part : parts) {
            if (part.isEmpty() || part == u'.' || part == QStringLiteral(".."))
                return false;
        }
        if (dataFolders.contains(parts[0]))
            return parts.size() > 1 || folder;
        return parts.size() == 1 && !folder && (isTopLevelData(name) || name == manifestName);
    }

    // libarchive turns the UTF-8 names of a ZIP into the character set of the
    // current locale, and under the "C" locale it cannot: names with accents
    // would be lost. While it works, this thread's characters are UTF-8.
    class Utf8Names
    {
    public:
        Utf8Names()
        {
#ifdef Q_OS_UNIX
            m_utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", uselocale(nullptr) == LC_GLOBAL_LOCALE
                    ? duplocale(LC_GLOBAL_LOCALE) : duplocale(uselocale(nullptr)));
            if (m_utf8)
                m_previous = uselocale(m_utf8);
#endif
        }
        ~Utf8Names()
        {
#ifdef Q_OS_UNIX
            if (m_utf8) {
                uselocale(m_previous);
                freelocale(m_utf8);
            }
#endif
        }
        Utf8Names(const Utf8Names &) = delete;
        Utf8Names &operator=(const Utf8Names &) = delete;

    private:
#ifdef Q_OS_UNIX
        locale_t m_utf8 = nullptr;
        locale_t m_previous = nullptr;
#endif
    };

    struct WriterDeleter
    {
        void operator()(archive *a) const { archive_write_free(a); }
    };
    struct ReaderDeleter
    {
        void operator()(archive *a) const { archive_read_free(a); }
    };
    struct EntryDeleter
    {
        void operator()(archive_entry *e) const { archive_entry_free(e); }
    };
    using Entry = std::unique_ptr<archive_entry, EntryDeleter>;

    la_ssize_t writeToSaveFile(archive *a, void *client, const void *buffer, size_t length)
    {
        auto *out = static_cast<QSaveFile *>(client);
        const qint64 written = out->write(static_cast<const char *>(buffer), qint64(length));
        if (written != qint64(length)) {
            archive_set_error(a, EIO, "%s", qPrintable(out->errorString()));
            return -1;
        }
        return la_ssize_t(written);
    }

    // The entry's name as the manifest holds it, or nothing when it is not
    // one a backup of this program could hold.
    QString entryName(archive_entry *entry, bool *folder)
    {
        const mode_t type = archive_entry_filetype(entry);
        *folder = type == AE_IFDIR;
        const char *raw = archive_entry_pathname_utf8(entry);
        QString name = raw ? QString::fromUtf8(raw) : QString();
        if (*folder && name.endsWith(u'/'))
            name.chop(1);
        if (!raw || (type != AE_IFREG && type != AE_IFDIR) || archive_entry_hardlink(entry)
            || archive_entry_symlink(entry) || !allowedName(name, *folder)) {
            throw Error(forbiddenPath(raw ? QString::fromUtf8(raw) : QStringLiteral("?")));
        }
        return name;
    }

    class Reader
    {
    public:
        explicit Reader(const QString &zipPath)
            : m_archive(archive_read_new())
        {
            // The seekable reader trusts the central directory at the end of
            // the file, so a truncated archive is refused at once.
            archive_read_support_format_zip_seekable(m_archive.get());
            if (archive_read_open_filename(m_archive.get(), QFile::encodeName(zipPath).constData(), chunkBytes)
                != ARCHIVE_OK)
                throw Error(damaged());
        }

        /// The next entry, or nothing at the end; a damaged header throws.
        archive_entry *next()
        {
            archive_entry *entry = nullptr;
            const int status = archive_read_next_header(m_archive.get(), &entry);
            if (status == ARCHIVE_EOF)
                return nullptr;
            if (status != ARCHIVE_OK && status != ARCHIVE_WARN)
                throw Error(damaged());
            return entry;
        }

        /// Reads the entry's data in pieces, handing each to use; returns the
        /// size and hash of all of it.
        template<typename Use>
        Content read(Use &&use)
        {
            Content content;
            Sha256 hash;
            for (;;) {
                const la_ssize_t got = archive_read_data(m_archive.get(), m_buffer.data(), size_t(m_buffer.size()));
                if (got < 0)
                    throw Error(damaged());
                if (got == 0)
                    break;
                hash.add(m_buffer.constData(), got);
                use(m_buffer.constData(), qint64(got));
                content.size += got;
            }
            content.sha256 = hash.hex();
            return content;
        }

    private:
        Utf8Names m_names;
        std::unique_ptr<archive, ReaderDeleter> m_archive;
        QByteArray m_buffer { chunkBytes, Qt::Uninitialized };
    };

    // The first pass of a restore: every entry read and hashed, the manifest
    // found, and both compared. Nothing is written.
    Contents checkedContents(const QString &zipPath, Totals *totals)
    {
        Reader reader(zipPath);
        Contents found;
        std::optional<QByteArray> manifest;
        while (archive_entry *entry = reader.next()) {
            bool folder = false;
            const QString name = entryName(entry, &folder);
            if (found.contains(name) || (name == manifestName && manifest))
                throw Error(damaged());
            if (folder) {
                found.insert(name, Content { true, 0, {} });
            } else if (name == manifestName) {
                QByteArray text;
                reader.read([&](const char *data, qint64 size) {
                    if (text.size() + size > manifestLimit)
                        throw Error(damaged());
                    text.append(data, size);
                });
                manifest = text;
            } else {
                found.insert(name, reader.read([](const char *, qint64) {}));
            }
        }
        if (!manifest)
            throw Error(notOurs());
        const std::optional<Contents> listed = parseManifest(*manifest);
        if (!listed)
            throw Error(damaged());
        for (auto it = found.cbegin(); it != found.cend(); ++it) {
            if (listed->value(it.key(), Content { !it->folder, -1, {} }) != *it)
                throw Error(mismatch(it.key()));
        }
        for (auto it = listed->cbegin(); it != listed->cend(); ++it) {
            if (!found.contains(it.key()))
                throw Error(mismatch(it.key()));
            if (!it->folder) {
                ++totals->files;
                totals->bytes += it->size;
            }
        }
        return *listed;
    }

    // The second pass: the entries written under staging, each hashed again
    // as it is written, so that an archive changed between the passes is
    // still caught.
    void unpack(const QString &zipPath, const Contents &contents, const QDir &staging)
    {
        Reader reader(zipPath);
        qsizetype unpacked = 0;
        while (archive_entry *entry = reader.next()) {
            bool folder = false;
            const QString name = entryName(entry, &folder);
            if (name == manifestName && !folder) {
                reader.read([](const char *, qint64) {});
                continue;
            }
            if (!contents.contains(name))
                throw Error(damaged());
            const QString target = staging.filePath(name);
            if (folder) {
                if (!QDir().mkpath(target))
                    throw Error(cannotUnpack());
                ++unpacked;
                continue;
            }
            if (!QDir().mkpath(QFileInfo(target).path()))
                throw Error(cannotUnpack());
            QFile out(target);
            if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
                throw Error(cannotUnpack());
            const Content written = reader.read([&](const char *data, qint64 size) {
                if (out.write(data, size) != size)
                    throw Error(cannotUnpack());
            });
            if (written != contents.value(name))
                throw Error(damaged());
            // The data found before is moved aside only once what replaces it
            // is on the disk.
            bool synced = out.flush();
#ifdef Q_OS_LINUX
            synced = synced && ::fdatasync(out.handle()) == 0;
#endif
            out.setFileTime(QDateTime::fromSecsSinceEpoch(archive_entry_mtime(entry)), QFileDevice::FileModificationTime);
            out.close();
            if (!synced || out.error() != QFileDevice::NoError)
                throw Error(cannotUnpack());
            ++unpacked;
        }
        if (unpacked != contents.size())
            throw Error(damaged());
    }

    QStringList topLevelData(const QString &folder)
    {
        QStringList names;
        for (const QString &name : dataEntries(folder)) {
            if (!name.chopped(name.endsWith(u'/') ? 1 : 0).contains(u'/'))
                names.append(name.endsWith(u'/') ? name.chopped(1) : name);
        }
        return names;
    }

    QString freshFolderName(const QDir &root, const QDateTime &now)
    {
        const QString base = QStringLiteral("Dati_prima_del_ripristino_") + now.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
        QString name = base;
        for (int n = 2; root.exists(name); ++n)
            name = base + u'_' + QString::number(n);
        return name;
    }

} // namespace

Error::Error(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

bool isTopLevelData(const QString &name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(Anagrafica_Cani\\.pro|Proprietari\\.pro|unins000\\.dll|[0-9]{4}\\.sca|Costi_Cane_[0-9]+\\.pro"
                       "|Album|Cartelle_Abbinate|Documenti_Allegati)$"));
    return pattern.match(name).hasMatch();
}

QStringList dataEntries(const QString &folder)
{
    const QDir root(folder);
    QStringList entries;
    const QFileInfoList top = root.entryInfoList(
        QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &info : top) {
        const QString name = info.fileName();
        if (!isTopLevelData(name) || info.isDir() != dataFolders.contains(name))
            continue;
        if (!info.isDir()) {
            entries.append(name);
            continue;
        }
        entries.append(name + u'/');
        // Links are not followed: what they point to is not the program's.
        QDirIterator walk(info.filePath(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks,
            QDirIterator::Subdirectories);
        QStringList inside;
        while (walk.hasNext()) {
            const QFileInfo found = walk.nextFileInfo();
            inside.append(root.relativeFilePath(found.filePath()) + (found.isDir() ? QStringLiteral("/") : QString()));
        }
        inside.sort();
        entries += inside;
    }
    return entries;
}

Totals create(const ProgramFolder &folder, const QString &zipPath)
{
    const Utf8Names names;
    // Listed before the archive's temporary file exists, and without the
    // archive itself, should the user keep it among the data.
    QStringList listed = dataEntries(folder.path());
    const QDir root(folder.path());
    listed.removeIf([&](const QString &name) {
        return QFileInfo(root.filePath(name)).absoluteFilePath() == QFileInfo(zipPath).absoluteFilePath();
    });
    QSaveFile out(zipPath);
    if (!out.open(QIODevice::WriteOnly))
        throw Error(cannotWrite(zipPath));
    std::unique_ptr<archive, WriterDeleter> writer(archive_write_new());
    archive *a = writer.get();
    archive_write_set_format_zip(a);
    archive_write_set_format_option(a, "zip", "compression", "store");
    archive_write_set_format_option(a, "zip", "hdrcharset", "UTF-8");
    // Unblocked: every piece goes straight to the file, and nothing pads its end.
    archive_write_set_bytes_per_block(a, 0);
    if (archive_write_open(a, &out, nullptr, writeToSaveFile, nullptr) != ARCHIVE_OK)
        throw Error(cannotWrite(zipPath));

    Contents contents;
    Totals totals;
    QByteArray buffer(chunkBytes, Qt::Uninitialized);
    const auto writeEntry = [&](archive_entry *entry) {
        if (archive_write_header(a, entry) != ARCHIVE_OK)
            throw Error(cannotWrite(zipPath));
    };
    const auto writeData = [&](const char *data, qint64 size) {
        if (archive_write_data(a, data, size_t(size)) != la_ssize_t(size))
            throw Error(cannotWrite(zipPath));
    };

    for (const QString &item : std::as_const(listed)) {
        Entry entry(archive_entry_new());
        const bool isFolder = item.endsWith(u'/');
        const QString name = isFolder ? item.chopped(1) : item;
        archive_entry_set_pathname_utf8(entry.get(), item.toUtf8().constData());
        const QFileInfo info(root.filePath(name));
        archive_entry_set_mtime(entry.get(), info.lastModified().toSecsSinceEpoch(), 0);
        if (isFolder) {
            archive_entry_set_filetype(entry.get(), AE_IFDIR);
            archive_entry_set_perm(entry.get(), 0755);
            writeEntry(entry.get());
            contents.insert(name, Content { true, 0, {} });
            continue;
        }
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            throw Error(cannotRead(name));
        // A record file is copied as it stands between two saves of another
        // copy of the program: that copy holds the file exclusively while it
        // writes, so a shared hold here waits for its save to end.
        if (isRecordFileName(name) && lockOpenFile(file, FileLockKind::Shared) != 0)
            throw Error(cannotRead(name));
        const qint64 size = file.size();
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0644);
        archive_entry_set_size(entry.get(), size);
        writeEntry(entry.get());
        Sha256 hash;
        for (qint64 left = size; left > 0;) {
            const qint64 got = file.read(buffer.data(), qMin(left, qint64(buffer.size())));
            // A file cut short while it was copied cannot be copied faithfully.
            if (got <= 0)
                throw Error(cannotRead(name));
            // The hash and the archive's own checksum and write each take
            // about as long as reading: done side by side, on two cores.
            auto hashing = std::async(std::launch::async, [&] { hash.add(buffer.constData(), got); });
            try {
                writeData(buffer.constData(), got);
            } catch (...) {
                hashing.wait();
                throw;
            }
            hashing.wait();
            left -= got;
        }
        contents.insert(name, Content { false, size, hash.hex() });
        ++totals.files;
        totals.bytes += size;
    }

    const QByteArray manifest = manifestText(contents);
    Entry entry(archive_entry_new());
    archive_entry_set_pathname_utf8(entry.get(), manifestName.toUtf8().constData());
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_size(entry.get(), manifest.size());
    writeEntry(entry.get());
    writeData(manifest.constData(), manifest.size());

    if (archive_write_close(a) != ARCHIVE_OK || !out.commit())
        throw Error(cannotWrite(zipPath));
    return totals;
}

Totals verify(const QString &zipPath)
{
    Totals totals;
    checkedContents(zipPath, &totals);
    return totals;
}

bool renameEntry(const QString &from, const QString &to)
{
    return QDir().rename(from, to);
}

Restored restore(const ProgramFolder &folder, const QString &zipPath, const QDateTime &now, const Rename &rename)
{
    Restored restored;
    const Contents contents = checkedContents(zipPath, &restored.totals);

    const QDir root(folder.path());
    // Unpacked inside the program folder, so that moving into place is a
    // rename on the same disk, never a copy that could stop half-way.
    QDir staging(root.filePath(stagingName));
    if (staging.exists() && !staging.removeRecursively())
        throw Error(cannotUnpack());
    if (!root.mkpath(stagingName))
        throw Error(cannotUnpack());
    try {
        unpack(zipPath, contents, staging);
    } catch (...) {
        staging.removeRecursively();
        throw;
    }

    const QString asideName = freshFolderName(root, now);
    if (!root.mkdir(asideName)) {
        staging.removeRecursively();
        throw Error(cannotUnpack());
    }
    const QDir aside(root.filePath(asideName));
    QList<std::pair<QString, QString>> moved;
    const auto move = [&](const QString &from, const QString &to) {
        if (!rename(from, to))
            throw Error({});
        moved.append({ from, to });
    };
    try {
        for (const QString &name : topLevelData(root.path()))
            move(root.filePath(name), aside.filePath(name));
        for (const QString &name : topLevelData(staging.path()))
            move(staging.filePath(name), root.filePath(name));
    } catch (const Error &) {
        bool whole = true;
        for (auto it = moved.crbegin(); it != moved.crend(); ++it)
            whole = rename(it->second, it->first) && whole;
        if (!whole) {
            throw Error(QStringLiteral("Attenzione: il ripristino è stato interrotto e non è stato possibile "
                                       "rimettere al loro posto tutti i dati presenti prima.\n\r\n\r"
                                       "I dati mancanti si trovano nella cartella %1.")
                            .arg(QDir::toNativeSeparators(aside.path())));
        }
        staging.removeRecursively();
        root.rmdir(asideName);
        throw Error(QStringLiteral("Attenzione: il ripristino è stato interrotto: non è stato possibile "
                                   "spostare i dati nella cartella del programma.")
            + nothingChanged);
    }
    staging.removeRecursively();
    if (root.rmdir(asideName)) // nothing was there before
        return restored;
    restored.asideFolder = aside.path();
    return restored;
}

QString createdMessage(const Totals &totals)
{
    return QStringLiteral("La copia di sicurezza è stata creata: %1 file, %2 byte.")
        .arg(totals.files)
        .arg(totals.bytes);
}

QString restoredMessage(const Restored &restored)
{
    QString message = QStringLiteral("La copia di sicurezza è stata ripristinata: %1 file, %2 byte.")
                          .arg(restored.totals.files)
                          .arg(restored.totals.bytes);
    if (!restored.asideFolder.isEmpty()) {
        message += QStringLiteral("\n\r\n\rI dati presenti prima del ripristino sono stati spostati nella cartella %1.")
                       .arg(QDir::toNativeSeparators(restored.asideFolder));
    }
    return message;
}

} // namespace Backup
