#include "backup/Backup.h"

#include "backup/Messages.h"
#include "storage/ProgramFolder.h"
#include "storage/RollbackJournal.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace Backup {

namespace Messages {

    namespace {

        const QString nothingChanged = QStringLiteral("\n\r\n\rNessun dato è stato modificato.");

    } // namespace

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

    QString linkedData(const QStringList &names)
    {
        return QStringLiteral("Attenzione: tra i dati del programma ci sono dei collegamenti ad altri file o "
                              "cartelle, che la copia di sicurezza non può contenere: %1.\n\r\n\r"
                              "Sostituire ogni collegamento con il file o la cartella a cui rimanda e ripetere "
                              "la copia.\n\r\n\rLa copia di sicurezza non è stata creata.")
            .arg(names.join(QStringLiteral(", ")));
    }

    QString cannotUnpack()
    {
        return QStringLiteral("Attenzione: non è stato possibile scrivere nella cartella del programma "
                              "i dati della copia di sicurezza.")
            + nothingChanged;
    }

    QString recordFileBusy(const QString &name)
    {
        return QStringLiteral("Attenzione: il file %1 è in uso in un'altra copia del programma e non può essere "
                              "sostituito ora. Chiudere le altre copie del programma e riprovare.")
                   .arg(name)
            + nothingChanged;
    }

    QString changeToUndo(const QString &name)
    {
        return QStringLiteral("Attenzione: il file %1 è rimasto a metà di un salvataggio interrotto (il programma "
                              "si è chiuso o è mancata la corrente) e va prima riportato com'era. Chiudere il "
                              "programma, riavviarlo e ripetere il ripristino.")
                   .arg(name)
            + nothingChanged;
    }

    QString restoreRunning()
    {
        return QStringLiteral("Attenzione: un altro ripristino è in corso nella cartella del programma.")
            + nothingChanged;
    }

    QString interrupted()
    {
        return QStringLiteral("Attenzione: il ripristino è stato interrotto: non è stato possibile "
                              "spostare i dati nella cartella del programma.")
            + nothingChanged;
    }

    QString interruptedAndScattered(const QString &asideFolder)
    {
        return QStringLiteral("Attenzione: il ripristino è stato interrotto e non è stato possibile "
                              "rimettere al loro posto tutti i dati presenti prima.\n\r\n\r"
                              "I dati mancanti si trovano nella cartella %1.")
            .arg(QDir::toNativeSeparators(asideFolder));
    }

} // namespace Messages

Error::Error(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

QStringList dataEntries(const QString &folder)
{
    const QDir root(folder);
    QStringList entries;
    const QFileInfoList top = root.entryInfoList(
        QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &info : top) {
        const QString name = info.fileName();
        if (!isTopLevelDataName(name) || info.isDir() != isDataFolderName(name))
            continue;
        // A journal that would undo nothing (torn, or emptied) is no data.
        if (isRecordJournalName(name) && !RollbackJournal::holdsRollback(info.filePath()))
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

QStringList linkedDataEntries(const QString &folder)
{
    const QDir root(folder);
    // System lists dangling links too.
    const QDir::Filters everything = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    QStringList links;
    for (const QFileInfo &info : root.entryInfoList(everything, QDir::Name)) {
        if (!isTopLevelDataName(info.fileName()))
            continue;
        if (info.isSymLink()) {
            links.append(info.fileName());
            continue;
        }
        if (!info.isDir())
            continue;
        // Without FollowSymlinks the walk never enters a linked folder.
        QDirIterator walk(info.filePath(), everything, QDirIterator::Subdirectories);
        QStringList inside;
        while (walk.hasNext()) {
            const QFileInfo found = walk.nextFileInfo();
            if (found.isSymLink())
                inside.append(root.relativeFilePath(found.filePath()));
        }
        inside.sort();
        links += inside;
    }
    return links;
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
