#pragma once

#include <QLatin1StringView>
#include <QStringView>

#include <span>

// One short text field of a record: its name, its capacity N (it occupies
// N + 1 bytes) and the offset of its length byte within the record.
struct FieldSpec
{
    QLatin1StringView name;
    int capacity;
    int offset;
};

// The fixed sequence of fields that makes up every record of one file kind.
class RecordLayout
{
public:
    constexpr RecordLayout(std::span<const FieldSpec> fields, int recordSize)
        : m_fields(fields), m_recordSize(recordSize)
    {
    }

    constexpr std::span<const FieldSpec> fields() const { return m_fields; }
    constexpr int fieldCount() const { return int(m_fields.size()); }
    constexpr const FieldSpec &field(int index) const { return m_fields[index]; }
    constexpr int recordSize() const { return m_recordSize; }
    /// Index of the field with that name, or -1.
    int indexOf(QStringView name) const;

private:
    std::span<const FieldSpec> m_fields;
    int m_recordSize;
};

/// True when the fields follow each other from byte 0 without gaps and fill the record exactly.
constexpr bool isPacked(std::span<const FieldSpec> fields, int recordSize)
{
    int next = 0;
    for (const FieldSpec &f : fields) {
        if (f.offset != next || f.capacity < 1 || f.capacity > 255)
            return false;
        next += f.capacity + 1;
    }
    return next == recordSize;
}
