#include "RecordBytes.h"

#include "storage/Record.h"

#include <algorithm>

QByteArray recordBytes(const RecordLayout &layout, const FieldValues &values)
{
    Record record(layout);
    for (const auto &[field, text] : values)
        record.setValue(field, text);
    return record.bytes();
}

QByteArray recordAt(const QByteArray &file, const RecordLayout &layout, int position)
{
    return file.mid(qsizetype(position - 1) * layout.recordSize(), layout.recordSize());
}

QString fieldAt(const QByteArray &file, const RecordLayout &layout, int position, int field)
{
    Record record(layout);
    const QByteArray bytes = recordAt(file, layout, position);
    std::copy(bytes.begin(), bytes.end(), record.data());
    return record.value(field);
}
