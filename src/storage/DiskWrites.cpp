#include "storage/DiskWrites.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

qint64 DiskWrites::writeAt(QFile &file, qint64 offset, const char *data, qint64 size)
{
    return file.seek(offset) ? file.write(data, size) : -1;
}

bool DiskWrites::resize(QFile &file, qint64 size)
{
    return file.resize(size);
}

bool DiskWrites::syncData(QFile &file)
{
#ifdef Q_OS_LINUX
    return ::fdatasync(file.handle()) == 0;
#elif defined(Q_OS_UNIX)
    return ::fsync(file.handle()) == 0;
#else
    Q_UNUSED(file);
    return true; // closing hands what was written to the system
#endif
}

bool DiskWrites::remove(const QString &path)
{
    return QFile::remove(path);
}

void DiskWrites::syncFolderOf(const QString &path)
{
#ifdef Q_OS_UNIX
    const int folder
        = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
#else
    Q_UNUSED(path);
#endif
}
