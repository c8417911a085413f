#pragma once

#include "search/ResultLines.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Record;
class RecordView;
class RecordFile;
class RecordLayout;

// Searching an archive: every record read from the first to the last, no
// index. What a search keeps is its result lines, never the file.
namespace ArchiveSearch {

/// Builds the one-line description of a record (see ResultLines).
using LineOf = QString (*)(RecordView record);

// What the user typed in one criterion box, and the field it is matched against.
struct Criterion
{
    int field;
    QString typed;
};

// The criteria of one search, combined with AND. A criterion whose text is
// blank is ignored; any other is its text exactly as typed, blanks included,
// looked for anywhere within the field, the letters A to Z without regard to
// case (accented letters keep theirs). Fields are matched as stored, without
// being decoded.
class Criteria
{
public:
    explicit Criteria(const QList<Criterion> &typed);

    /// How many criteria take part.
    qsizetype filled() const { return m_filled.size(); }
    /// True when every filled criterion occurs in its field; always with none filled.
    bool matches(RecordView record) const;

private:
    struct Filled
    {
        int field;
        // The text in small letters, in the archive's code page; nothing
        // when it holds a character no field can store.
        std::optional<QByteArray> stored;
    };
    QList<Filled> m_filled;
};

// The records whose field holds exactly a text (a flag's "Sì"), compared as
// stored, without decoding the field.
class FieldHolds
{
public:
    FieldHolds(int field, QStringView text);
    bool operator()(RecordView record) const;

private:
    int m_field;
    std::optional<QByteArray> m_stored; // nothing: no field can hold the text
};

/// Reads the open file from its first record to its last and appends to the
/// listing the line and position of every record that accepted() takes.
/// Throws RecordFileError; the lines added before a failure stay.
void collectLines(RecordFile &file, const RecordLayout &layout, const std::function<bool(RecordView)> &accepted,
                  LineOf lineOf, ResultLines::Listing &listing);

/// Hands load() the record at each 1-based position, in the order given;
/// a position past the file's last record (the file was cut short since it
/// was listed) is passed over. Returns how many were loaded. Throws
/// RecordFileError.
int loadRecordsAt(RecordFile &file, const RecordLayout &layout, const QList<qint64> &positions,
                  const std::function<void(const Record &, qint64 position)> &load);


} // namespace ArchiveSearch
