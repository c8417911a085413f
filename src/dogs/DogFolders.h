#pragma once

#include <QString>

class ProgramFolder;

// Files a dog or owner card owns besides its record: the album photo and the
// associated folder, named after the dog's position, and the attachment
// folder shared by every card, where an attachment is known by its bare name.
namespace DogFolders {

/// "Album/Cane_<position>.jpg" in the program folder.
QString albumPhotoPath(const ProgramFolder &folder, const QString &position);
/// "Cartelle_Abbinate/Cane_<position>" in the program folder.
QString associatedFolderPath(const ProgramFolder &folder, const QString &position);
/// "Documenti_Allegati" in the program folder.
QString attachmentFolderPath(const ProgramFolder &folder);

/// The bare file name a stored attachment name stands for: any folders in it
/// (either separator) are dropped, and "." or ".." give an empty name.
QString bareFileName(const QString &storedName);
/// The attachment in the attachment folder; empty when the stored name has no
/// usable bare name. Never a path outside the attachment folder.
QString attachedFilePath(const ProgramFolder &folder, const QString &storedName);

/// Copies source over target; the target is replaced only by a complete copy,
/// so on failure (false) it is left as it was.
bool copyReplacing(const QString &source, const QString &target);

} // namespace DogFolders
