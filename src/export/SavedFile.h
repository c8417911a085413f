#pragma once

#include "export/ExportError.h"

#include <QSaveFile>
#include <QString>

/// Writes a whole file through write(device): the new content replaces the
/// file only once all of it is written, so a failure (a full disk, a folder
/// that cannot be written) leaves any earlier file of that name whole.
/// Throws ExportError on failure.
template<typename Write> void writeWholeFile(const QString &path, Write &&write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ExportError("cannot create the file");
    write(static_cast<QIODevice &>(file));
    if (!file.commit())
        throw ExportError("cannot write the file");
}
