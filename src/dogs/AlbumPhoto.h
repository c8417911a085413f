#pragma once

#include <QImage>
#include <QString>

class ProgramFolder;

// Reading and writing the pictures of the dog card: the album photo of each
// stored dog and the pictures the user loads or saves elsewhere. Failures are
// returned, never reported: the card shows the placeholder instead.
namespace AlbumPhoto {

/// A JPEG or bitmap picture, turned upright as the camera recorded it; null
/// when the file is missing or is not a readable picture.
QImage readPicture(const QString &path);
/// Writes the picture as JPEG, replacing the file only once it is complete.
bool writeJpeg(const QImage &picture, const QString &path);

/// The album photo of the dog at that position; null when there is none.
QImage load(const ProgramFolder &folder, const QString &position);
/// Writes the album photo of the dog at that position, creating "Album" when needed.
bool save(const ProgramFolder &folder, const QString &position, const QImage &picture);

} // namespace AlbumPhoto
