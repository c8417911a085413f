#pragma once

#include <QFile>
#include <QString>

#include <stdexcept>

class Record;

/// Any failure of a record file action.
class RecordFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// The one message for any failure of a record-file action.
QString accessMessage();

// A headerless file of fixed-size records addressed by 0-based index (the
// 1-based position minus one). Every operation throws RecordFileError on
// failure. While open, the file is held under an exclusive lock so that two
// copies of the program sharing a folder never interleave their writes;
// closing flushes what was written to stable storage.
class RecordFile
{
public:
    RecordFile() = default;
    ~RecordFile(); // closes without reporting
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    /// Opens the file for reading and writing; creates it empty only when it does not exist.
    void openOrCreate(const QString &path, int recordSize);
    /// Number of whole records; a trailing fragment is not counted.
    qint64 recordCount() const;
    void seekRecord(qint64 index);
    qint64 currentIndex() const { return m_index; }
    void readNext(Record &record);
    void writeNext(const Record &record);
    bool atEnd() const { return m_index >= recordCount(); }
    void closeFile();

private:
    QFile m_file;
    int m_recordSize = 0;
    qint64 m_index = 0;
    bool m_written = false;
};
