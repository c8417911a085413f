#include "storage/RecordFile.h"

#include "storage/FileLock.h"
#include "storage/ProgramFolder.h"
#include "storage/Record.h"

#include <QDir>

#include <algorithm>
#include <cerrno>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Large enough that a scan makes few system calls, small enough that the
// block stays in the processor's cache while its records are copied out:
// measured, a scan then costs about what reading the file costs.
constexpr qint64 readAheadBytes = 256 * 1024;
// Each reopening follows a whole restore by another copy of the program.
constexpr int maxReopens = 3;

// Where the flush before closing reaches stable storage, what it flushed is
// stored whatever closing the descriptor says afterwards.
#ifdef Q_OS_UNIX
constexpr bool flushStores = true;
#else
constexpr bool flushStores = false;
#endif

} // namespace

OversizedFileError::OversizedFileError(const QString &path)
    : RecordFileError("refused " + path.toStdString() + ": too large")
    , m_path(path)
{
}

QString OversizedFileError::message() const
{
    return QString::fromUtf8("Attenzione: il file %1 è troppo grande per essere un archivio del programma e "
                             "potrebbe essere danneggiato: non viene né letto né modificato.")
        .arg(QDir::toNativeSeparators(m_path));
}

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
    m_torn = false;
    m_replaced.clear();
    m_journal.reset();
    setSize(0);
    dropReadAhead();

    // Unbuffered: every write reaches the file system at once, so a failure is
    // seen by the write that caused it and can be undone there.
    const auto mode = QIODevice::ReadWrite | QIODevice::Unbuffered;
    // An existing file that cannot be opened for writing must fail, never be
    // replaced by an empty one: creating is only tried when it is missing and
    // only ever makes a new file. Should another copy of the program create it
    // first, it is opened as it exists.
    // A restore moves the data aside while it holds every record file: an
    // opener that waited for the lock then holds a file no longer at the
    // path, and what it wrote would be lost. It opens again what is there now.
    for (int attempt = 0;; ++attempt) {
        const bool opened = m_file.open(mode | QIODevice::ExistingOnly)
            || (!m_file.exists()
                && (m_file.open(mode | QIODevice::NewOnly) || m_file.open(mode | QIODevice::ExistingOnly)));
        if (!opened)
            fail("open");
        lock();
        if (holdsTheFileAtItsPath())
            break;
        m_file.close();
        if (attempt == maxReopens)
            fail("open", QStringLiteral("the file keeps moving"));
    }
    recover();
    setSize(m_file.size());
    m_openedSize = m_size;
}

void RecordFile::lock()
{
    if (const int error = lockOpenFile(m_file, FileLockKind::Exclusive)) {
        m_file.close();
        throw RecordFileError(
            "lock " + m_file.fileName().toStdString() + ": " + qt_error_string(error).toStdString());
    }
}

// Under the lock and before anything is read: a journal left here by a
// change that never ended puts the earlier bytes back.
void RecordFile::recover()
{
    if (RollbackJournal::recover(m_file, *this))
        return;
    const QString reason = m_file.errorString();
    m_file.close();
    fail("roll back", reason);
}

bool RecordFile::holdsTheFileAtItsPath() const
{
#ifdef Q_OS_UNIX
    struct stat held;
    struct stat named;
    return ::fstat(m_file.handle(), &held) == 0 && ::stat(QFile::encodeName(m_file.fileName()).constData(), &named) == 0
        && held.st_dev == named.st_dev && held.st_ino == named.st_ino;
#else
    return true;
#endif
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
    m_readAhead.resize(std::min(perChunk, recordCount() - m_index) * m_recordSize);
    const qint64 got = m_file.seek(m_index * m_recordSize) ? m_file.read(m_readAhead.data(), m_readAhead.size()) : -1;
    // A file cut short under the scan (by a program that ignores the lock)
    // still yields every whole record before the cut, however large the
    // block asked for: the failure comes at the first record that is missing.
    const qint64 records = std::max<qint64>(got, 0) / m_recordSize;
    if (records == 0) {
        dropReadAhead();
        fail("read");
    }
    m_readAheadFirst = m_index;
    m_readAheadEnd = m_index + records;
}

bool RecordFile::holdsRecord(qint64 index, QByteArrayView expected)
{
    checkOpen();
    if (index < 0 || index >= recordCount())
        return false;
    m_index = index;
    const bool holds = expected == QByteArrayView(readNextInPlace(), m_recordSize);
    m_index = index;
    return holds;
}

void RecordFile::refuseBeyond(qint64 maxRecords) const
{
    checkOpen();
    if (m_size > maxRecords * m_recordSize)
        throw OversizedFileError(m_file.fileName());
}

void RecordFile::writeNext(const Record &record)
{
    checkOpen();
    if (record.size() != m_recordSize || m_index > recordCount())
        fail("write");
    dropReadAhead();
    const qint64 offset = m_index * m_recordSize;
    // The bytes this write covers, as the file holds them now and as it held
    // them when opened: what puts them back should this write or the flush fail.
    const QByteArray earlier = readAt(offset, std::min<qint64>(m_recordSize, m_size - offset));
    keepInJournal(offset, earlier);
    m_written = true;
    if (writeAt(m_file, offset, record.data(), m_recordSize) != m_recordSize) {
        // A full disk or a file size limit can let part of an append through,
        // a failing disk part of a replace: cutting the file back and writing
        // the earlier bytes again leaves every record as it was.
        const QString reason = m_file.errorString();
        const bool cut = offset + m_recordSize <= m_size || resize(m_file, m_size);
        const bool putBack = writeAt(m_file, offset, earlier.constData(), earlier.size()) == earlier.size();
        m_torn = m_torn || !cut || !putBack;
        fail("write", reason);
    }
    setSize(std::max(m_size, offset + m_recordSize));
    ++m_index;
}

// Keeps what a write at offset replaces, as the file held it when opened,
// both for undoing a failed write or flush and in the journal, on the disk
// before the write: the file's size at the first change, the earlier bytes of
// each record the first time it is replaced.
void RecordFile::keepInJournal(qint64 offset, const QByteArray &earlier)
{
    const bool seenSinceOpening = std::any_of(m_replaced.cbegin(), m_replaced.cend(),
        [offset](const EarlierBytes &replaced) { return replaced.offset == offset; });
    const QByteArray kept = offset < m_openedSize && !seenSinceOpening
        ? earlier.first(std::min<qint64>(earlier.size(), m_openedSize - offset))
        : QByteArray();
    if (!m_journal)
        m_journal.emplace(m_file.fileName(), static_cast<DiskWrites &>(*this));
    const bool journalled = m_journal->isOpen() ? kept.isEmpty() || m_journal->add(offset, kept)
                                                : m_journal->begin(m_openedSize, offset, kept);
    if (!journalled)
        fail("journal");
    if (!kept.isEmpty())
        m_replaced.append({ offset, kept });
}

void RecordFile::closeFile()
{
    if (!m_file.isOpen())
        return;
    dropReadAhead();
    const bool written = std::exchange(m_written, false);
    const bool flushed = written && syncData(m_file);
    const int flushError = errno;
    const bool stored = flushed && !std::exchange(m_torn, false);
    const bool undone = written && !stored && undoWrites();
    // The journal goes once the file holds either the change or what it held
    // before, on the disk; otherwise it stays for the next opening to undo
    // what is left.
    bool journalEnded = false;
    if (stored || undone)
        journalEnded = !m_journal || m_journal->finish();
    else if (m_journal)
        m_journal->abandon();
    m_replaced.clear();
    // Closing the descriptor also releases the lock.
    m_file.close();
    if (written && !flushed)
        fail("flush", qt_error_string(flushError));
    if (written && !stored)
        fail("write", QStringLiteral("a failed write could not be undone"));
    // A journal left standing would undo the change at the next opening: the
    // change is reported as failed, as it is bound to be undone.
    if (stored && !journalEnded)
        fail("journal", QStringLiteral("the journal could not be removed"));
    // Reporting a failure for what was flushed would have the user store it a
    // second time.
    if (!(flushed && flushStores) && m_file.error() != QFileDevice::NoError)
        fail("close");
}

QByteArray RecordFile::readAt(qint64 offset, qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    if (size > 0 && (!m_file.seek(offset) || m_file.read(bytes.data(), size) != size))
        fail("read");
    return bytes;
}

// Puts back what the file held when opened and flushes again: whether all of
// it is on the disk. The failure that called for it is reported whatever
// comes of this, so a step that fails here does not stop the others.
bool RecordFile::undoWrites()
{
    bool undone = m_size == m_openedSize || resize(m_file, m_openedSize);
    for (const EarlierBytes &replaced : std::as_const(m_replaced)) {
        undone = writeAt(m_file, replaced.offset, replaced.bytes.constData(), replaced.bytes.size())
                == replaced.bytes.size()
            && undone;
    }
    undone = syncData(m_file) && undone;
    setSize(m_openedSize);
    return undone;
}

void recoverInterruptedChanges(const QString &folder)
{
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        const QString recordName = RollbackJournal::recordNameOf(name);
        if (!isRecordFileName(recordName))
            continue;
        if (!QFileInfo::exists(dir.filePath(recordName))) {
            QFile::remove(dir.filePath(name));
            continue;
        }
        try {
            // Opening is what puts the file back; the record size plays no part in it.
            RecordFile file;
            file.openOrCreate(dir.filePath(recordName), 1);
            file.closeFile();
        } catch (const RecordFileError &) {
        }
    }
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
    fail(what, m_file.errorString());
}

void RecordFile::fail(const char *what, const QString &reason) const
{
    throw RecordFileError(
        std::string(what) + ' ' + m_file.fileName().toStdString() + ": " + reason.toStdString());
}
