#include "backup/Backup.h"

#include "backup/ArchiveWriter.h"
#include "backup/Manifest.h"
#include "backup/Messages.h"
#include "backup/ProgressCounter.h"
#include "storage/FileLock.h"
#include "storage/ProgramFolder.h"
#include "storage/RollbackJournal.h"
#include "storage/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Backup {

Totals create(const ProgramFolder &folder, const QString &zipPath, const ProgressReport &progress)
{
    if (folder.keeps(zipPath))
        throw Error(keptFileMessage(zipPath));
    if (const QStringList links = linkedDataEntries(folder.path()); !links.isEmpty())
        throw Error(Messages::linkedData(links));
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
    ArchiveWriter writer(out.device(), zipPath);

    Manifest::Contents contents;
    Totals totals;
    const auto copyFile = [&](const QString &name, QFile &file) {
        const Manifest::Content content = writer.addFile(name, file, [&](qint64 copied) { counter.addBytes(copied); });
        contents.insert(name, content);
        ++totals.files;
        totals.bytes += content.size;
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
            writer.addFolder(name, info.lastModified().toSecsSinceEpoch());
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

    writer.addData(Manifest::fileName, Manifest::text(contents));

    counter.tell(); // the last point of return
    writer.close();
    if (!out.commit())
        throw Error(Messages::cannotWrite(zipPath));
    return totals;
}

} // namespace Backup
