#include "dogs/AlbumPhoto.h"

#include "dogs/DogFolders.h"
#include "storage/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace {

constexpr int jpegQuality = 90;

// JPEG has no transparency: see-through parts (32-bit bitmaps) go onto white
// rather than the black the encoder would give them.
QImage opaque(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return picture;
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.setDevicePixelRatio(picture.devicePixelRatio());
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, picture);
    return flat;
}

} // namespace

namespace AlbumPhoto {

QImage readPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

bool writeJpeg(const QImage &picture, const QString &path)
{
    if (picture.isNull())
        return false;
    return !writeWholeFile(path, [&](QIODevice &file) {
        QImageWriter writer(&file, "jpg");
        writer.setQuality(jpegQuality);
        return writer.write(opaque(picture));
    });
}

QImage load(const ProgramFolder &folder, const QString &position)
{
    return readPicture(DogFolders::albumPhotoPath(folder, position));
}

bool save(const ProgramFolder &folder, const QString &position, const QImage &picture)
{
    const QString path = DogFolders::albumPhotoPath(folder, position);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && writeJpeg(picture, path);
}

} // namespace AlbumPhoto
