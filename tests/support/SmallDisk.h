#pragma once

// A file system of its own, small enough to fill: a tmpfs mounted in a
// temporary folder, for tests of what a full disk does to a save. Mounting
// needs root (as in CI); elsewhere isMounted() is false and the test skips.
// Header-only, so core tests use it too.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>

class SmallDisk
{
public:
    explicit SmallDisk(qint64 bytes = 1 << 20)
    {
        const QByteArray options = "size=" + QByteArray::number(bytes);
        m_mounted = m_dir.isValid()
            && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    /// Takes every free byte with one file, so that the next write finds the
    /// disk full (creating an empty file still works).
    void fill() const
    {
        QFile filler(filePath(QStringLiteral(".riempimento")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(64 * 1024, '\0');
        while (filler.write(block) > 0) { }
        const QByteArray byte(1, '\0');
        while (filler.write(byte) > 0) { }
    }

    /// The names in the file system apart from the filler: what a failed
    /// save must not leave behind.
    QStringList entries() const
    {
        QStringList names = QDir(path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
        names.removeAll(QStringLiteral(".riempimento"));
        return names;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
