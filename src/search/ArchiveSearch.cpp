#include "search/ArchiveSearch.h"

#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ShortText.h"

#include <algorithm>

namespace ArchiveSearch {

Criteria::Criteria(const QList<Criterion> &typed)
{
    for (const Criterion &criterion : typed)
        if (!trimmedText(criterion.typed).isEmpty())
            m_filled.append({ criterion.field, smallLettersAtoZ(criterion.typed) });
}

bool Criteria::matches(RecordView record) const
{
    for (const Criterion &criterion : m_filled)
        if (!smallLettersAtoZ(record.value(criterion.field)).contains(criterion.typed))
            return false;
    return true;
}

void collectLines(RecordFile &file, const RecordLayout &layout, const std::function<bool(RecordView)> &accepted,
                  LineOf lineOf, QStringList &lines)
{
    file.seekRecord(0);
    while (!file.atEnd()) {
        const RecordView record(layout, file.readNextInPlace());
        if (accepted(record))
            lines.append(lineOf(record));
    }
}

int loadRecordsWithLine(RecordFile &file, const RecordLayout &layout, LineOf lineOf, const QString &line,
                        const std::function<void(const Record &, qint64 position)> &load)
{
    const QString wanted = trimmedText(line);
    Record record(layout);
    int loaded = 0;
    file.seekRecord(0);
    while (!file.atEnd()) {
        const qint64 position = file.currentIndex() + 1;
        const RecordView candidate(layout, file.readNextInPlace());
        if (trimmedText(lineOf(candidate)) == wanted) {
            // Loading may take a while (a photo); the record is kept apart
            // from the file's read-ahead first.
            std::copy_n(candidate.data(), layout.recordSize(), record.data());
            load(record, position);
            ++loaded;
        }
    }
    return loaded;
}

} // namespace ArchiveSearch
