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

    /// Whether writing a file at `path` would replace something the program
    /// keeps here: the folder itself, its data (archives, year, cost, weight
    /// and settings files, the three data folders, the album photos), the
    /// manual, the alarm sound or the running program. Links are resolved
    /// first, so a link or a linked folder leading to one of them counts as
    /// it; a file written whole is renamed into place, so a hard link is
    /// only a name of its own.
    bool keeps(const QString &path) const;

private:
    QString m_path;
};

/// The settings file, which holds the scrambled password.
inline constexpr char settingsFileName[] = "unins000.dll";

/// Whether a name at the top of a program folder is the program's data: the
/// dog and owner archives, a year file, a cost or weight file, the journal of
/// one of them, the settings file, or one of the folders "Album",
/// "Cartelle_Abbinate" and "Documenti_Allegati".
bool isTopLevelDataName(const QString &name);

/// Whether a name at the top of a program folder is a record file: an
/// archive, a year file, a cost file or a weight file.
bool isRecordFileName(const QString &name);

/// Whether a name at the top of a program folder is the journal of a record
/// file (storage/RollbackJournal).
bool isRecordJournalName(const QString &name);

/// Whether a name at the top of a program folder is one of its data folders.
bool isDataFolderName(const QString &name);

/// Where a file written whole at `path` lands: links followed (a dangling
/// one too), then made canonical, so that two ways of naming one file compare
/// equal as text.
QString landingPath(const QString &path);

/// The message for a file chosen as a target that the program keeps.
QString keptFileMessage(const QString &path);

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

/// Whether the folder holds none of the program's data files: no archive,
/// year, cost, weight or settings file (a folder that does not exist yet is new).
bool isNewProgramFolder(const QString &folder);

/// Creates `folder` when missing and copies into it each of the shipped
/// files `names` that it lacks, writable by its owner, from the first of
/// `templateFolders` that holds it; a file already in `folder` is never
/// replaced, whatever it holds. The settings file, which carries the initial
/// password, goes only into a new folder: a folder with data whose settings
/// file was removed must stay closed, not reopen with the password everyone
/// can read in the manual. Returns the names it could not copy.
QStringList fillFromTemplates(const QStringList &templateFolders, const QStringList &names, const QString &folder);
