#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>

class ProgramFolder;

// A backup of the program folder's data as one ZIP file (entries stored,
// not compressed: photos are compressed already and records are small), and
// its restore. The archive holds a manifest with each file's size and
// SHA-256, so that a restore can prove the whole archive sound before it
// touches anything.
namespace Backup {

/// Why a backup or restore did not happen, as the user is told (Italian).
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

/// The program folder's data, relative to it with '/' between folders,
/// folders before what they hold: the dog and owner archives, the year files,
/// the cost and weight files, the journal of any of them that a crash left
/// with a change to undo, the settings file and everything in "Album",
/// "Cartelle_Abbinate" and "Documenti_Allegati". The program itself, its
/// manual and its sound are not data.
QStringList dataEntries(const QString &folder);

/// The links among the folder's data, named as dataEntries() names entries:
/// the program reads and writes through them, but a backup cannot hold what
/// they point to, so a backup refuses to start while there is any.
QStringList linkedDataEntries(const QString &folder);

struct Totals
{
    int files = 0;
    qint64 bytes = 0;
};

/// How far a backup or a restore has come: the files and bytes done of all.
struct Progress
{
    /// A backup copies; a restore unpacks and checks, then swaps the data.
    enum class Stage { Copying, Unpacking, Swapping };
    Stage stage = Stage::Copying;
    Totals done;
    Totals total;
};

/// Told of the progress as the work goes, on the thread doing it. Returning
/// false asks the work to stop, which it does at the next point where stopping
/// leaves everything as it was, throwing Cancelled: a backup any time before
/// its file is renamed into place, a restore any time before the swap. The
/// swap, told once as it begins, goes on to its end whatever the answer.
using ProgressReport = std::function<bool(const Progress &)>;

/// A backup or restore stopped because its ProgressReport asked it to:
/// nothing was written and the data is as it was.
class Cancelled
{
};

/// Writes the backup of the folder's data to zipPath, whole or not at all
/// (through a temporary file renamed into place), leaving out the archive
/// itself should it lie among the data. Each record file is read under its
/// lock, so that a copy of the program saving at the same time leaves every
/// file either before or after its save. A zipPath that is one of the files
/// the program keeps is refused, and so is a folder whose data holds a link
/// (linkedDataEntries): a backup without what a link points to would lack
/// data the program uses. Throws Error, or Cancelled when progress asks to stop.
Totals create(const ProgramFolder &folder, const QString &zipPath, const ProgressReport &progress = {});

/// Checks every entry of the archive against its manifest without writing
/// anything. Throws Error telling what is wrong.
Totals verify(const QString &zipPath);

/// Renames a file or folder; false on failure. Restore's only way of moving
/// data in and out of place, replaceable to test an interrupted restore.
using Rename = std::function<bool(const QString &from, const QString &to)>;
bool renameEntry(const QString &from, const QString &to);

struct Restored
{
    Totals totals;
    /// Where the data found before the restore was moved (a folder inside
    /// the program folder, named after the moment of the restore).
    QString asideFolder;
};

/// Holds every record file of the folder as a save does, so that no other
/// copy of the program writes into one while it is moved aside; unpacks the
/// archive into a staging folder inside the program folder, checking it
/// against its manifest as it goes; and only when the unpacked tree is proven
/// whole moves the current data into a dated folder and the unpacked data
/// into place. A record file that a crash left in the middle of a change
/// (its journal beside it) refuses the restore: it is put back when the
/// program next starts. Any failure removes what was unpacked, puts back what
/// was there and throws Error; progress asking to stop before the swap
/// removes what was unpacked and throws Cancelled.
Restored restore(const ProgramFolder &folder, const QString &zipPath, const QDateTime &now,
                 const Rename &rename = renameEntry, const ProgressReport &progress = {});

/// Removes the staging folder a restore that never ended left in the
/// program folder (a crash, a power cut), unless a restore is using it.
void removeUnfinishedRestore(const QString &folder);

/// The closing messages shown after a backup and a restore.
QString createdMessage(const Totals &totals);
QString restoredMessage(const Restored &restored);

} // namespace Backup
