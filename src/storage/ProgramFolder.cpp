#include "storage/ProgramFolder.h"

#include <QDir>

ProgramFolder::ProgramFolder(const QString &path)
    : m_path(QDir::cleanPath(QDir(path).absolutePath()))
{
}

QString ProgramFolder::filePath(const QString &relative) const
{
    return QDir::toNativeSeparators(QDir(m_path).filePath(relative));
}
