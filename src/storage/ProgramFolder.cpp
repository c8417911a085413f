#include "storage/ProgramFolder.h"

#include "storage/RollbackJournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <algorithm>

ProgramFolder::ProgramFolder(const QString &path)
    : m_path(QDir::cleanPath(QDir(path).absolutePath()))
{
}

QString ProgramFolder::filePath(const QString &relative) const
{
    return QDir::toNativeSeparators(QDir(m_path).filePath(relative));
}

namespace {

const QStringList dataFolderNames
    = { QStringLiteral("Album"), QStringLiteral("Cartelle_Abbinate"), QStringLiteral("Documenti_Allegati") };

// The files the program ships and keeps beside its data.
const QStringList programFileNames = { QStringLiteral("Guida.pdf"), QStringLiteral("Avviso.mp3") };

bool isDataFileName(const QString &name)
{
    return isRecordFileName(name) || isRecordJournalName(name) || name == QLatin1String(settingsFileName);
}

QString userDataFolder(const QProcessEnvironment &environment)
{
    // A relative $XDG_DATA_HOME is invalid by the base-directory rules and is
    // ignored: it would put the archives wherever the program was started from.
    const QString dataHome = environment.value(QStringLiteral("XDG_DATA_HOME"));
    if (!dataHome.isEmpty() && QDir::isAbsolutePath(dataHome))
        return dataHome;
    QString home = environment.value(QStringLiteral("HOME"));
    if (home.isEmpty())
        home = QDir::homePath();
    return QDir(home).filePath(QStringLiteral(".local/share"));
}

} // namespace

QString landingPath(const QString &path)
{
    QFileInfo info(path);
    // As deep as the system itself follows a chain of links.
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    if (info.exists())
        return info.canonicalFilePath();
    // A file yet to be written: its folder made canonical. A path whose
    // folder does not exist cannot be written at all.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + u'/' + info.fileName();
}

bool ProgramFolder::keeps(const QString &path) const
{
    const QString target = landingPath(path);
    if (QCoreApplication::instance() && target == landingPath(QCoreApplication::applicationFilePath()))
        return true;
    const QString root = landingPath(m_path);
    if (target == root)
        return true;
    if (!target.startsWith(root + u'/'))
        return false;
    const QStringList parts = target.mid(root.size() + 1).split(u'/');
    if (parts.size() == 1)
        return isTopLevelDataName(parts[0]) || programFileNames.contains(parts[0]);
    static const QRegularExpression albumPhoto(QStringLiteral("^Cane_[0-9]+\\.jpg$"));
    return parts.size() == 2 && parts[0] == QLatin1String("Album") && albumPhoto.match(parts[1]).hasMatch();
}

bool isRecordFileName(const QString &name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(Anagrafica_Cani\\.pro|Proprietari\\.pro|Libretti_Sanitari\\.pro|[0-9]{4}\\.sca|(Costi|Pesi)_Cane_[0-9]+\\.pro)$"));
    return pattern.match(name).hasMatch();
}

bool isRecordJournalName(const QString &name)
{
    return isRecordFileName(RollbackJournal::recordNameOf(name));
}

bool isTopLevelDataName(const QString &name)
{
    return isDataFileName(name) || isDataFolderName(name);
}

bool isDataFolderName(const QString &name)
{
    return dataFolderNames.contains(name);
}

QString keptFileMessage(const QString &path)
{
    return QStringLiteral("Attenzione: il file %1 fa parte dei dati o dei file del programma e non può essere "
                          "sostituito.\n\r\n\rIndicare un altro nome o un'altra cartella.")
        .arg(QDir::toNativeSeparators(path));
}

QString chooseProgramFolder(
    const QString &named, FolderHome home, const QString &programDir, const QProcessEnvironment &environment)
{
    if (!named.isEmpty())
        return QDir::cleanPath(QDir(named).absolutePath());
    if (home == FolderHome::PerUser)
        return QDir::cleanPath(QDir(userDataFolder(environment)).filePath(QStringLiteral("zampora")));
    return QDir::cleanPath(QDir(programDir).absolutePath());
}

bool isNewProgramFolder(const QString &folder)
{
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    return std::none_of(names.cbegin(), names.cend(), isDataFileName);
}

QStringList fillFromTemplates(const QStringList &templateFolders, const QStringList &names, const QString &folder)
{
    const bool isNew = isNewProgramFolder(folder);
    if (!QDir().mkpath(folder))
        return names;
    const QDir target(folder);
    QStringList failed;
    for (const QString &name : names) {
        const QString copy = target.filePath(name);
        // exists() follows links: a dangling link the user left is still theirs.
        if (QFileInfo(copy).exists() || QFileInfo(copy).isSymLink())
            continue;
        if (name == QLatin1String(settingsFileName) && !isNew)
            continue;
        const auto holder = std::find_if(templateFolders.cbegin(), templateFolders.cend(),
            [&](const QString &templates) { return QFileInfo(QDir(templates).filePath(name)).isFile(); });
        // QFile::copy writes a temporary file and renames it, so a failed copy
        // leaves nothing behind and the next start tries again. It also copies
        // the template's permissions, and an installed template is often
        // read-only: the settings file must stay writable for a password change.
        if (holder == templateFolders.cend() || !QFile::copy(QDir(*holder).filePath(name), copy)) {
            failed << name;
            continue;
        }
        QFile::setPermissions(
            copy, QFile::permissions(copy) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return failed;
}
