#include "storage/RollbackJournal.h"

#include "storage/DiskWrites.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr QByteArrayView magic("ZMPJRNL1");
constexpr QLatin1StringView prefix(".");
constexpr QLatin1StringView suffix(".journal");
// Header: magic, salt, size before, checksum. Entry: offset, length,
// checksum, then the earlier bytes. Numbers are 64-bit little-endian.
constexpr qint64 headerSize = 32;
constexpr qint64 entryHeadSize = 24;

// FNV-1a over 64 bits: enough to tell a whole piece from a torn one or from
// what another journal left, and cheap beside the flush that follows it.
class Checksum
{
public:
    Checksum &add(QByteArrayView bytes)
    {
        for (const char c : bytes) {
            m_value ^= quint8(c);
            m_value *= 0x100000001b3ULL;
        }
        return *this;
    }
    Checksum &add(quint64 number)
    {
        std::array<char, 8> bytes;
        qToLittleEndian(number, bytes.data());
        return add(QByteArrayView(bytes.data(), bytes.size()));
    }
    quint64 value() const { return m_value; }

private:
    quint64 m_value = 0xcbf29ce484222325ULL;
};

void appendNumber(QByteArray &bytes, quint64 number)
{
    std::array<char, 8> raw;
    qToLittleEndian(number, raw.data());
    bytes.append(raw.data(), raw.size());
}

quint64 numberAt(QByteArrayView bytes, qint64 at)
{
    return qFromLittleEndian<quint64>(bytes.data() + at);
}

QByteArray header(quint64 salt, qint64 sizeBefore)
{
    QByteArray bytes = magic.toByteArray();
    appendNumber(bytes, salt);
    appendNumber(bytes, quint64(sizeBefore));
    appendNumber(bytes, Checksum().add(bytes).value());
    return bytes;
}

QByteArray entry(quint64 salt, qint64 offset, QByteArrayView earlier)
{
    QByteArray bytes;
    bytes.reserve(entryHeadSize + earlier.size());
    appendNumber(bytes, quint64(offset));
    appendNumber(bytes, quint64(earlier.size()));
    appendNumber(bytes, Checksum().add(salt).add(bytes).add(earlier).value());
    bytes.append(earlier);
    return bytes;
}

struct Earlier
{
    qint64 offset;
    QByteArrayView bytes;
};

struct Contents
{
    qint64 sizeBefore = 0;
    QList<Earlier> entries;
};

// What a journal says, read up to its first torn entry; nothing when its
// header is torn.
std::optional<Contents> parse(QByteArrayView journal)
{
    if (journal.size() < headerSize || !journal.startsWith(magic)
        || numberAt(journal, 24) != Checksum().add(journal.first(24)).value())
        return std::nullopt;
    const quint64 salt = numberAt(journal, 8);
    Contents contents;
    contents.sizeBefore = qint64(numberAt(journal, 16));
    if (contents.sizeBefore < 0)
        return std::nullopt;
    for (qint64 at = headerSize; journal.size() - at >= entryHeadSize;) {
        const quint64 offset = numberAt(journal, at);
        const quint64 length = numberAt(journal, at + 8);
        const qint64 left = journal.size() - at - entryHeadSize;
        if (offset > quint64(contents.sizeBefore) || length > quint64(contents.sizeBefore) - offset
            || length > quint64(left))
            break;
        const QByteArrayView earlier = journal.sliced(at + entryHeadSize, qint64(length));
        if (numberAt(journal, at + 16) != Checksum().add(salt).add(journal.sliced(at, 16)).add(earlier).value())
            break;
        contents.entries.append({ qint64(offset), earlier });
        at += entryHeadSize + qint64(length);
    }
    return contents;
}

// A save keeps a few records' earlier bytes; a file far larger than any
// journal is none of ours, and is taken as torn rather than read whole.
constexpr qint64 maxJournalBytes = 64 << 20;

std::optional<QByteArray> readJournal(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > maxJournalBytes)
        return QByteArray();
    return file.readAll();
}

} // namespace

// Text alone, no file system call: every opening of a record file asks.
QString RollbackJournal::pathFor(const QString &recordFilePath)
{
    const qsizetype nameAt = std::max(recordFilePath.lastIndexOf(u'/'), recordFilePath.lastIndexOf(u'\\')) + 1;
    return recordFilePath.first(nameAt) + nameFor(recordFilePath.sliced(nameAt));
}

QString RollbackJournal::nameFor(const QString &recordFileName)
{
    return prefix + recordFileName + suffix;
}

QString RollbackJournal::recordNameOf(const QString &journalName)
{
    if (!journalName.startsWith(prefix) || !journalName.endsWith(suffix)
        || journalName.size() <= prefix.size() + suffix.size())
        return {};
    return journalName.sliced(prefix.size(), journalName.size() - prefix.size() - suffix.size());
}

bool RollbackJournal::holdsRollback(const QString &journalPath)
{
    const std::optional<QByteArray> journal = readJournal(journalPath);
    return journal && parse(*journal).has_value();
}

bool RollbackJournal::recover(QFile &recordFile, DiskWrites &disk)
{
    const QString path = pathFor(recordFile.fileName());
    if (!QFileInfo::exists(path))
        return true;
    const std::optional<QByteArray> journal = readJournal(path);
    if (!journal)
        return false;
    const std::optional<Contents> contents = parse(*journal);
    // A change only ever grows the file, so a file now smaller than before
    // the change was made anew since: the journal is not its own.
    if (contents && recordFile.size() >= contents->sizeBefore) {
        // Backwards, so that the earliest bytes kept for a place are the last put back.
        for (auto it = contents->entries.crbegin(); it != contents->entries.crend(); ++it) {
            if (disk.writeAt(recordFile, it->offset, it->bytes.data(), it->bytes.size()) != it->bytes.size())
                return false;
        }
        if (recordFile.size() > contents->sizeBefore && !disk.resize(recordFile, contents->sizeBefore))
            return false;
        if (!disk.syncData(recordFile))
            return false;
    }
    if (!disk.remove(path))
        return !contents;
    disk.syncFolderOf(path);
    return true;
}

RollbackJournal::RollbackJournal(const QString &recordFilePath, DiskWrites &disk)
    : m_file(pathFor(recordFilePath))
    , m_disk(disk)
{
}

RollbackJournal::~RollbackJournal() = default;

bool RollbackJournal::begin(qint64 sizeBefore, qint64 offset, QByteArrayView earlier)
{
    Q_ASSERT(!isOpen());
    // Made anew, never opened through whatever stands at its name (a link
    // would have the journal written elsewhere): the opening removed the
    // last journal, so anything there now is a leftover that could not be.
    const auto create = [this] { return m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered); };
    if (!create() && !(m_disk.remove(m_file.fileName()) && create()))
        return false;
    m_salt = QRandomGenerator::global()->generate64();
    m_size = 0;
    QByteArray bytes = header(m_salt, sizeBefore);
    if (!earlier.isEmpty())
        bytes += entry(m_salt, offset, earlier);
    if (!append(bytes) || !m_disk.syncData(m_file)) {
        // Nothing of the record file was changed: whatever reached the
        // journal stands for no change.
        m_file.close();
        m_disk.remove(m_file.fileName());
        return false;
    }
    m_disk.syncFolderOf(m_file.fileName());
    return true;
}

bool RollbackJournal::add(qint64 offset, QByteArrayView earlier)
{
    Q_ASSERT(isOpen());
    return append(entry(m_salt, offset, earlier)) && m_disk.syncData(m_file);
}

bool RollbackJournal::finish()
{
    if (!isOpen())
        return true;
    m_file.close();
    if (!m_disk.remove(m_file.fileName())) {
        // A journal that cannot be removed is emptied instead: its header
        // torn, it stands for no change.
        const bool emptied = m_file.open(QIODevice::WriteOnly | QIODevice::Truncate) && m_disk.syncData(m_file);
        m_file.close();
        return emptied;
    }
    m_disk.syncFolderOf(m_file.fileName());
    return true;
}

void RollbackJournal::abandon()
{
    m_file.close();
}

bool RollbackJournal::append(const QByteArray &bytes)
{
    if (m_disk.writeAt(m_file, m_size, bytes.constData(), bytes.size()) != bytes.size())
        return false;
    m_size += bytes.size();
    return true;
}
