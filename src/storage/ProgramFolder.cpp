#include "storage/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

ProgramFolder::ProgramFolder(const QString &path)
    : m_path(QDir::cleanPath(QDir(path).absolutePath()))
{
}

QString ProgramFolder::filePath(const QString &relative) const
{
    return QDir::toNativeSeparators(QDir(m_path).filePath(relative));
}

namespace {

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

QString chooseProgramFolder(
    const QString &named, FolderHome home, const QString &programDir, const QProcessEnvironment &environment)
{
    if (!named.isEmpty())
        return QDir::cleanPath(QDir(named).absolutePath());
    if (home == FolderHome::PerUser)
        return QDir::cleanPath(QDir(userDataFolder(environment)).filePath(QStringLiteral("zampora")));
    return QDir::cleanPath(QDir(programDir).absolutePath());
}

QStringList fillFromTemplates(const QString &templates, const QString &folder)
{
    const QDir source(templates);
    const QStringList names = source.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    QStringList failed;
    if (!QDir().mkpath(folder))
        return names;
    const QDir target(folder);
    for (const QString &name : names) {
        const QString copy = target.filePath(name);
        // exists() follows links: a dangling link the user left is still theirs.
        if (QFileInfo(copy).exists() || QFileInfo(copy).isSymLink())
            continue;
        // QFile::copy writes a temporary file and renames it, so a failed copy
        // leaves nothing behind and the next start tries again. It also copies
        // the template's permissions, and an installed template is often
        // read-only: the settings file must stay writable for a password change.
        if (!QFile::copy(source.filePath(name), copy)) {
            failed << name;
            continue;
        }
        QFile::setPermissions(
            copy, QFile::permissions(copy) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return failed;
}
