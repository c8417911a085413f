#include "backup/Backup.h"

#include "backup/ArchiveReader.h"
#include "backup/Messages.h"
#include "backup/ProgressCounter.h"
#include "storage/DiskWrites.h"
#include "storage/FileLock.h"
#include "storage/ProgramFolder.h"
#include "storage/RollbackJournal.h"
#include "storage/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <memory>
#include <optional>
#include <vector>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace Backup {

namespace {

    const QString stagingName = QStringLiteral(".zampora_ripristino");
    // Inside the staging folder while a restore swaps the data; never data itself.
    const QString swapPlanName = QStringLiteral(".scambio");
    const QString asidePrefix = QStringLiteral("Dati_prima_del_ripristino_");

    bool present(const QString &path)
    {
        const QFileInfo info(path);
        return info.exists() || info.isSymLink();
    }

    // What a swap moves, written whole into the staging folder before its
    // first rename and removed after its last: a swap that a crash or a power
    // cut stopped half-way is undone from it when the program next starts.
    struct SwapPlan
    {
        QString asideName;
        QStringList found; // moved first, from the program folder into the aside folder
        QStringList unpacked; // then from the staging folder into the program folder

        QByteArray text() const
        {
            QString text = asideName + u'\n';
            for (const QString &name : found)
                text += QStringLiteral("V ") + name + u'\n';
            for (const QString &name : unpacked)
                text += QStringLiteral("N ") + name + u'\n';
            return text.toUtf8();
        }

        // Only names a swap moves are taken: anything else is no plan of ours.
        static std::optional<SwapPlan> read(const QString &path)
        {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return std::nullopt;
            const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
            if (lines.isEmpty() || !lines[0].startsWith(asidePrefix) || lines[0].contains(u'/'))
                return std::nullopt;
            SwapPlan plan { lines[0], {}, {} };
            for (const QString &line : lines.mid(1)) {
                const QString name = line.mid(2);
                if (!isTopLevelDataName(name) || name.contains(u'/'))
                    return std::nullopt;
                if (line.startsWith(QStringLiteral("V ")))
                    plan.found.append(name);
                else if (line.startsWith(QStringLiteral("N ")))
                    plan.unpacked.append(name);
                else
                    return std::nullopt;
            }
            return plan;
        }
    };

    // Flushes the folders a swap renamed in and out of, so that its renames
    // last across a power cut before what follows them.
    void syncFolders(const QList<QDir> &folders)
    {
        DiskWrites disk;
        for (const QDir &folder : folders)
            disk.syncFolderOf(folder.filePath(swapPlanName));
    }

    // Puts back, from its plan, what a swap that never ended had moved: the
    // unpacked data already in place goes back into the staging folder, then
    // the data found comes back from the aside folder.
    void undoSwap(const QDir &root, const QDir &staging)
    {
        const std::optional<SwapPlan> plan = SwapPlan::read(staging.filePath(swapPlanName));
        if (!plan)
            return;
        const QDir aside(root.filePath(plan->asideName));
        for (auto it = plan->unpacked.crbegin(); it != plan->unpacked.crend(); ++it) {
            if (!present(staging.filePath(*it)) && present(root.filePath(*it)))
                renameEntry(root.filePath(*it), staging.filePath(*it));
        }
        for (auto it = plan->found.crbegin(); it != plan->found.crend(); ++it) {
            if (present(aside.filePath(*it)) && !present(root.filePath(*it)))
                renameEntry(aside.filePath(*it), root.filePath(*it));
        }
        syncFolders({ root, staging, aside });
        root.rmdir(plan->asideName);
    }

    // Every record file of the folder, held exclusively as a save holds it,
    // for as long as the restore runs: another copy of the program waits, and
    // then fails with its access message, instead of writing into a file that
    // is being moved aside.
    class RecordLocks
    {
    public:
        explicit RecordLocks(const QDir &root)
        {
            for (const QString &name : dataEntries(root.path())) {
                if (!isRecordFileName(name))
                    continue;
                auto file = std::make_unique<QFile>(root.filePath(name));
                if (!file->open(QIODevice::ReadOnly) || lockOpenFile(*file, FileLockKind::Exclusive) != 0)
                    throw Error(Messages::recordFileBusy(name));
                m_files.push_back(std::move(file));
            }
        }

    private:
        std::vector<std::unique_ptr<QFile>> m_files;
    };

    // A folder that a restore holds while it uses it, so that another copy of
    // the program starting meanwhile leaves it alone. The descriptor is opened
    // without following a link: only a real folder is ever held.
    class FolderHold
    {
    public:
        enum class Outcome { Held, Busy, NotAFolder };

        explicit FolderHold(const QString &path)
        {
#ifdef Q_OS_UNIX
            m_handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (m_handle < 0) {
                m_outcome = Outcome::NotAFolder;
            } else if (::flock(m_handle, LOCK_EX | LOCK_NB) != 0) {
                m_outcome = errno == EWOULDBLOCK ? Outcome::Busy : Outcome::Held;
            }
#else
            m_outcome = QFileInfo(path).isDir() && !QFileInfo(path).isSymLink() ? Outcome::Held : Outcome::NotAFolder;
#endif
        }
        ~FolderHold()
        {
#ifdef Q_OS_UNIX
            if (m_handle >= 0)
                ::close(m_handle);
#endif
        }
        FolderHold(const FolderHold &) = delete;
        FolderHold &operator=(const FolderHold &) = delete;

        Outcome outcome() const { return m_outcome; }

    private:
        Outcome m_outcome = Outcome::Held;
#ifdef Q_OS_UNIX
        int m_handle = -1;
#endif
    };

    // Clears whatever stands at the staging folder's name. A link, or
    // anything else that is not a folder, is removed itself, never followed:
    // what it leads to is not the program's. A folder is one a restore left
    // (a restore that is still running holds it and is left alone); it is
    // removed with what it holds, links inside removed as links.
    FolderHold::Outcome clearStaging(const QString &path)
    {
        const QFileInfo info(path);
        if (info.isSymLink() || (info.exists() && !info.isDir()))
            return QFile::remove(path) ? FolderHold::Outcome::Held : FolderHold::Outcome::NotAFolder;
        if (!info.exists())
            return FolderHold::Outcome::Held;
        const FolderHold hold(path);
        if (hold.outcome() != FolderHold::Outcome::Held)
            return hold.outcome();
        undoSwap(info.dir(), QDir(path));
        if (!QDir(path).removeRecursively())
            return FolderHold::Outcome::NotAFolder;
        return hold.outcome();
    }

    // The folder a restore unpacks into: inside the program folder, so that
    // moving into place is a rename on the same disk, never a copy that could
    // stop half-way; made afresh by this restore, held while it runs and
    // removed with what is left in it when the restore ends, however it ends.
    class StagingFolder
    {
    public:
        explicit StagingFolder(const QDir &root)
            : m_path(root.filePath(stagingName))
        {
            switch (clearStaging(m_path)) {
            case FolderHold::Outcome::Busy:
                throw Error(Messages::restoreRunning());
            case FolderHold::Outcome::NotAFolder:
                throw Error(Messages::cannotUnpack());
            case FolderHold::Outcome::Held:
                break;
            }
            // mkdir, unlike mkpath, fails when anything at all took the name
            // since it was cleared.
            if (!root.mkdir(stagingName))
                throw Error(Messages::cannotUnpack());
            m_hold = std::make_unique<FolderHold>(m_path);
            if (m_hold->outcome() != FolderHold::Outcome::Held)
                throw Error(Messages::cannotUnpack());
        }
        ~StagingFolder()
        {
            if (m_hold && m_hold->outcome() == FolderHold::Outcome::Held)
                QDir(m_path).removeRecursively();
        }
        StagingFolder(const StagingFolder &) = delete;
        StagingFolder &operator=(const StagingFolder &) = delete;

        QDir dir() const { return QDir(m_path); }

    private:
        QString m_path;
        std::unique_ptr<FolderHold> m_hold;
    };

    // Writes each entry of the archive under the staging folder, each file
    // on the disk before the next, so that the data found before is moved
    // aside only once what replaces it is stored.
    class StagingWriter : public EntrySink
    {
    public:
        explicit StagingWriter(const QDir &staging)
            : m_staging(staging)
        {
        }

        void addFolder(const ArchiveEntry &entry) override
        {
            if (!m_staging.mkpath(entry.name))
                throw Error(Messages::cannotUnpack());
        }

        void beginFile(const ArchiveEntry &entry) override
        {
            const QString target = m_staging.filePath(entry.name);
            m_modified = entry.modified;
            m_out.setFileName(target);
            if (!QDir().mkpath(QFileInfo(target).path()) || !m_out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
                throw Error(Messages::cannotUnpack());
        }

        void addData(const char *data, qint64 size) override
        {
            if (m_out.write(data, size) != size)
                throw Error(Messages::cannotUnpack());
        }

        void endFile() override
        {
            bool synced = m_out.flush();
#ifdef Q_OS_LINUX
            synced = synced && ::fdatasync(m_out.handle()) == 0;
#endif
            m_out.setFileTime(QDateTime::fromSecsSinceEpoch(m_modified), QFileDevice::FileModificationTime);
            m_out.close();
            if (!synced || m_out.error() != QFileDevice::NoError)
                throw Error(Messages::cannotUnpack());
        }

    private:
        QDir m_staging;
        QFile m_out;
        qint64 m_modified = 0;
    };

    // Hands every entry on to the staging writer and tells the progress after
    // each piece: a restore stopped there removes the staging folder and is
    // left as one that failed before the swap.
    class CountingSink : public EntrySink
    {
    public:
        CountingSink(EntrySink &sink, ProgressCounter &counter)
            : m_sink(sink)
            , m_counter(counter)
        {
        }

        void addFolder(const ArchiveEntry &entry) override { m_sink.addFolder(entry); }
        void beginFile(const ArchiveEntry &entry) override { m_sink.beginFile(entry); }
        void addData(const char *data, qint64 size) override
        {
            m_sink.addData(data, size);
            m_counter.addBytes(size);
        }
        void endFile() override
        {
            m_sink.endFile();
            m_counter.addFile();
        }

    private:
        EntrySink &m_sink;
        ProgressCounter &m_counter;
    };

    class Discard : public EntrySink
    {
    public:
        void addFolder(const ArchiveEntry &) override { }
        void beginFile(const ArchiveEntry &) override { }
        void addData(const char *, qint64) override { }
        void endFile() override { }
    };

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
        const QString base
            = QStringLiteral("Dati_prima_del_ripristino_") + now.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
        QString name = base;
        for (int n = 2; QFileInfo(root.filePath(name)).exists() || QFileInfo(root.filePath(name)).isSymLink(); ++n)
            name = base + u'_' + QString::number(n);
        return name;
    }

    // Moves the data found into a dated folder and the unpacked data into
    // its place. Returns the dated folder, or an empty text when nothing was
    // there before. A failure moves back everything already moved; a crash
    // leaves the plan, from which the next start moves it back.
    QString swapIn(const QDir &root, const QDir &staging, const QDateTime &now, const Rename &rename)
    {
        const SwapPlan plan { freshFolderName(root, now), topLevelData(root.path()), topLevelData(staging.path()) };
        const QString &asideName = plan.asideName;
        const QString planPath = staging.filePath(swapPlanName);
        if (!root.mkdir(asideName))
            throw Error(Messages::cannotUnpack());
        const QDir aside(root.filePath(asideName));
        if (writeWholeFile(planPath, plan.text())) {
            root.rmdir(asideName);
            throw Error(Messages::cannotUnpack());
        }
        QList<std::pair<QString, QString>> moved;
        const auto move = [&](const QString &from, const QString &to) {
            if (!rename(from, to))
                throw Error({});
            moved.append({ from, to });
        };
        try {
            for (const QString &name : plan.found)
                move(root.filePath(name), aside.filePath(name));
            for (const QString &name : plan.unpacked)
                move(staging.filePath(name), root.filePath(name));
            syncFolders({ root, staging, aside });
            // The swap is done once its plan is gone.
            if (!QFile::remove(planPath))
                throw Error({});
            syncFolders({ staging });
        } catch (const Error &) {
            bool whole = true;
            for (auto it = moved.crbegin(); it != moved.crend(); ++it)
                whole = rename(it->second, it->first) && whole;
            if (!whole)
                throw Error(Messages::interruptedAndScattered(aside.path()));
            root.rmdir(asideName);
            throw Error(Messages::interrupted());
        }
        if (root.rmdir(asideName)) // nothing was there before
            return {};
        return aside.path();
    }

} // namespace

Totals verify(const QString &zipPath)
{
    QFile zip(zipPath);
    if (!zip.open(QIODevice::ReadOnly))
        throw Error(Messages::damaged());
    ArchiveReader reader(zip);
    Discard nothing;
    return readChecked(reader, nothing);
}

bool renameEntry(const QString &from, const QString &to)
{
    return QDir().rename(from, to);
}

Restored restore(const ProgramFolder &folder, const QString &zipPath, const QDateTime &now, const Rename &rename,
    const ProgressReport &progress)
{
    QFile zip(zipPath);
    if (!zip.open(QIODevice::ReadOnly))
        throw Error(Messages::damaged());
    const QDir root(folder.path());
    const RecordLocks locks(root);
    // With every record file held, a journal listed is no save in progress
    // but one a crash interrupted: moved aside, its change would never be undone.
    for (const QString &name : dataEntries(root.path())) {
        if (isRecordJournalName(name))
            throw Error(Messages::changeToUndo(RollbackJournal::recordNameOf(name)));
    }
    const StagingFolder staging(root);
    ProgressCounter counter(progress, Progress::Stage::Unpacking, announcedTotals(zip));
    counter.tell();
    Restored restored;
    {
        ArchiveReader reader(zip);
        StagingWriter writer(staging.dir());
        CountingSink counted(writer, counter);
        restored.totals = readChecked(reader, counted);
    }
    counter.tell(); // the last point of return
    counter.beginUnstoppable(Progress::Stage::Swapping);
    restored.asideFolder = swapIn(root, staging.dir(), now, rename);
    return restored;
}

void removeUnfinishedRestore(const QString &folder)
{
    clearStaging(QDir(folder).filePath(stagingName));
}

} // namespace Backup
