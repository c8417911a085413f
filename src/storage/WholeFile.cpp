#include "storage/WholeFile.h"

#include "storage/DiskWrites.h"


#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Asks the system to put what was written on the disk itself.
bool syncToDisk(int descriptor)
{
#ifdef Q_OS_UNIX
    return ::fsync(descriptor) == 0;
#else
    Q_UNUSED(descriptor);
    return true; // closing hands what was written to the system
#endif
}

} // namespace

WholeFileWriter::WholeFileWriter(const QString &path)
    : m_file(path)
{
}

bool WholeFileWriter::open()
{
    return m_file.open(QIODevice::WriteOnly);
}

bool WholeFileWriter::commit()
{
    const bool whole = m_file.error() == QFileDevice::NoError && m_file.flush() && syncToDisk(m_file.handle());
    if (!whole) {
        m_failure = m_file.error() == QFileDevice::NoError ? QStringLiteral("the file could not be synced to the disk")
                                                           : m_file.errorString();
        // A cancelled commit removes the temporary file and renames nothing.
        m_file.cancelWriting();
        m_file.commit();
        return false;
    }
    if (!m_file.commit())
        return false;
    // The rename lasts across a power cut only once the folder that holds
    // the name is on the disk too. The content is already there and whole,
    // so a failure here is no reason to call the save failed.
    DiskWrites().syncFolderOf(m_file.fileName());
    return true;
}

std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes)
{
    return writeWholeFile(path, [&](QIODevice &device) { return device.write(bytes) == bytes.size(); });
}
