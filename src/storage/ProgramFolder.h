#pragma once

#include <QString>
#include <QStringList>

class QProcessEnvironment;

// The folder every archive, photo, folder and attachment lives in: the
// executable's folder, the user's own data folder for an installed program,
// or the one given on the command line.
class ProgramFolder
{
public:
    explicit ProgramFolder(const QString &path);

    QString path() const { return m_path; }
    /// Path of a file or folder inside the program folder. The relative name uses
    /// '/' between folders; the result uses the platform's separator.
    QString filePath(const QString &relative) const;

private:
    QString m_path;
};

/// Where the program folder is when the command line names none.
enum class FolderHome {
    /// The executable's own folder: a portable program, kept and backed up whole.
    BesideProgram,
    /// "zampora" in the user's data folder: an installed program, whose own
    /// folder the user cannot write.
    PerUser,
};

/// The program folder of a start: the folder named on the command line when
/// there is one, else the one `home` says. The user's data folder is
/// $XDG_DATA_HOME when that is an absolute path, else ~/.local/share.
QString chooseProgramFolder(
    const QString &named, FolderHome home, const QString &programDir, const QProcessEnvironment &environment);

/// Creates `folder` when missing and copies into it every file of `templates`
/// it lacks, writable by its owner; a file already in `folder` is never
/// replaced, whatever it holds. Returns the names it could not copy.
QStringList fillFromTemplates(const QString &templates, const QString &folder);
