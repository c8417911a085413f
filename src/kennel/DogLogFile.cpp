#include "kennel/DogLogFile.h"

#include "storage/RecordFile.h"

namespace DogLogFile {

namespace {

    void open(RecordFile &file, const QString &path, const Format &format)
    {
        file.openOrCreate(path, format.layout().recordSize());
        file.refuseBeyond(format.maximumRecords);
    }

} // namespace

void scan(const QString &path, const Format &format,
          const std::function<void(const RecordView &record, qint64 position)> &visit,
          const std::function<void(qint64 records)> &counted)
{
    RecordFile file;
    open(file, path, format);
    if (counted)
        counted(file.recordCount());
    const RecordLayout &layout = format.layout();
    while (!file.atEnd()) {
        const char *bytes = file.readNextInPlace();
        visit(RecordView(layout, bytes), file.currentIndex());
    }
    file.closeFile();
}

qint64 append(const QString &path, const Format &format, const Record &record, FreeSlot isFree)
{
    RecordFile file;
    open(file, path, format);
    qint64 index = file.recordCount();
    while (isFree && !file.atEnd()) {
        if (isFree(RecordView(format.layout(), file.readNextInPlace()))) {
            index = file.currentIndex() - 1;
            break;
        }
    }
    file.seekRecord(index);
    file.writeNext(record);
    file.closeFile();
    return index + 1;
}

bool replace(const QString &path, const Format &format, qint64 position, QByteArrayView stored,
             const Record &record)
{
    RecordFile file;
    open(file, path, format);
    const bool unchanged = position > 0 && file.holdsRecord(position - 1, stored);
    if (unchanged)
        file.writeNext(record);
    file.closeFile();
    return unchanged;
}

} // namespace DogLogFile
