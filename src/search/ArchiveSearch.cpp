#include "search/ArchiveSearch.h"

#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ShortText.h"
#include "storage/Windows1252.h"

#include <algorithm>
#include <array>

namespace ArchiveSearch {

Criteria::Criteria(const QList<Criterion> &typed)
{
    for (const Criterion &criterion : typed)
        if (!trimmedText(criterion.typed).isEmpty())
            m_filled.append({ criterion.field, Windows1252::encodeExactly(smallLettersAtoZ(criterion.typed)) });
}

bool Criteria::matches(RecordView record) const
{
    // A field is at most 255 bytes: its letters A to Z are put in small
    // letters here, without a text of its own.
    std::array<char, 255> folded;
    for (const Filled &criterion : m_filled) {
        if (!criterion.stored)
            return false;
        const QByteArrayView stored = record.storedBytes(criterion.field);
        Q_ASSERT(size_t(stored.size()) <= folded.size());
        std::transform(stored.begin(), stored.end(), folded.begin(),
            [](char byte) { return byte >= 'A' && byte <= 'Z' ? char(byte - 'A' + 'a') : byte; });
        if (!QByteArrayView(folded.data(), stored.size()).contains(*criterion.stored))
            return false;
    }
    return true;
}

FieldHolds::FieldHolds(int field, QStringView text)
    : m_field(field)
    , m_stored(Windows1252::encodeExactly(text))
{
}

bool FieldHolds::operator()(RecordView record) const
{
    return m_stored && record.storedBytes(m_field) == *m_stored;
}

void collectLines(RecordFile &file, const RecordLayout &layout, const std::function<bool(RecordView)> &accepted,
                  LineOf lineOf, ResultLines::Listing &listing)
{
    file.seekRecord(0);
    while (!file.atEnd()) {
        const qint64 position = file.currentIndex() + 1;
        const RecordView record(layout, file.readNextInPlace());
        if (accepted(record)) {
            listing.lines.append(lineOf(record));
            listing.positions.append(position);
        }
    }
}

int loadRecordsAt(RecordFile &file, const RecordLayout &layout, const QList<qint64> &positions,
                  const std::function<void(const Record &, qint64 position)> &load)
{
    Record record(layout);
    int loaded = 0;
    for (const qint64 position : positions) {
        if (position < 1 || position > file.recordCount())
            continue;
        file.seekRecord(position - 1);
        file.readNext(record);
        load(record, position);
        ++loaded;
    }
    return loaded;
}

} // namespace ArchiveSearch
