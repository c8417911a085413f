#include "storage/RecordFile.h"

#include "storage/FileLock.h"
#include "storage/Record.h"

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr qint64 readAheadBytes = 64 * 1024;

} // namespace

QString accessMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}

RecordFile::~RecordFile()
{
    try {
        closeFile();
    } catch (const RecordFileError &) {
        // Nothing to report to from a destructor; the failure guard of the
        // action has already shown the access message.
    }
}

void RecordFile::openOrCreate(const QString &path, int recordSize)
{
    closeFile();
    Q_ASSERT(recordSize > 0);
    m_file.setFileName(path);
    m_recordSize = recordSize;
    m_index = 0;
    m_written = false;
    setSize(0);
    dropReadAhead();

    // Unbuffered: every write reaches the file system at once, so a failure is
    // seen by the write that caused it and can be undone there.
    const auto mode = QIODevice::ReadWrite | QIODevice::Unbuffered;
    // An existing file that cannot be opened for writing must fail, never be
    // replaced by an empty one: creating is only tried when it is missing and
    // only ever makes a new file. Should another copy of the program create it
    // first, it is opened as it exists.
    const bool opened = m_file.open(mode | QIODevice::ExistingOnly)
        || (!m_file.exists()
            && (m_file.open(mode | QIODevice::NewOnly) || m_file.open(mode | QIODevice::ExistingOnly)));
    if (!opened)
        fail("open");
    lock();
    setSize(m_file.size());
}

void RecordFile::lock()
{
    if (const int error = lockOpenFile(m_file, FileLockKind::Exclusive)) {
        m_file.close();
        throw RecordFileError(
            "lock " + m_file.fileName().toStdString() + ": " + qt_error_string(error).toStdString());
    }
}

void RecordFile::seekRecord(qint64 index)
{
    checkOpen();
    if (index < 0 || index > recordCount())
        fail("seek");
    m_index = index;
}

void RecordFile::readNext(Record &record)
{
    if (record.size() != m_recordSize)
        fail("read");
    std::copy_n(readNextInPlace(), m_recordSize, record.data());
}

const char *RecordFile::readNextInPlace()
{
    // Records read ahead are whole records of an open file, so only a read
    // outside them needs the file's checks.
    if (m_index < m_readAheadFirst || m_index >= m_readAheadEnd) {
        checkOpen();
        if (m_index >= recordCount())
            fail("read");
        fillReadAhead();
    }
    const qint64 at = (m_index - m_readAheadFirst) * m_recordSize;
    ++m_index;
    return m_readAhead.constData() + at;
}

void RecordFile::fillReadAhead()
{
    const qint64 perChunk = std::max<qint64>(1, readAheadBytes / m_recordSize);
    const qint64 records = std::min(perChunk, recordCount() - m_index);
    m_readAhead.resize(records * m_recordSize);
    if (!m_file.seek(m_index * m_recordSize)
        || m_file.read(m_readAhead.data(), m_readAhead.size()) != m_readAhead.size()) {
        dropReadAhead();
        fail("read");
    }
    m_readAheadFirst = m_index;
    m_readAheadEnd = m_index + records;
}

void RecordFile::writeNext(const Record &record)
{
    checkOpen();
    if (record.size() != m_recordSize || m_index > recordCount())
        fail("write");
    dropReadAhead();
    m_written = true;
    const qint64 offset = m_index * m_recordSize;
    const qint64 sizeBefore = m_size;
    const bool appending = offset + m_recordSize > sizeBefore;
    if (!m_file.seek(offset) || m_file.write(record.data(), m_recordSize) != m_recordSize) {
        // A full disk or a file size limit can let part of an append through;
        // cutting it off keeps every record before it as it was.
        if (appending)
            m_file.resize(sizeBefore);
        fail("write");
    }
    setSize(std::max(m_size, offset + m_recordSize));
    ++m_index;
}

void RecordFile::closeFile()
{
    if (!m_file.isOpen())
        return;
    bool synced = true;
#ifdef Q_OS_LINUX
    if (m_written)
        synced = ::fdatasync(m_file.handle()) == 0;
#elif defined(Q_OS_UNIX)
    if (m_written)
        synced = ::fsync(m_file.handle()) == 0;
#endif
    dropReadAhead();
    m_written = false;
    // Closing the descriptor also releases the lock.
    m_file.close();
    if (!synced || m_file.error() != QFileDevice::NoError)
        fail("close");
}

void RecordFile::setSize(qint64 size)
{
    m_size = size;
    m_recordCount = size / m_recordSize;
}

void RecordFile::dropReadAhead()
{
    m_readAhead.clear();
    m_readAheadFirst = m_readAheadEnd = 0;
}

void RecordFile::checkOpen() const
{
    if (!m_file.isOpen())
        fail("not open");
}

void RecordFile::fail(const char *what) const
{
    throw RecordFileError(std::string(what) + ' ' + m_file.fileName().toStdString() + ": "
        + m_file.errorString().toStdString());
}
