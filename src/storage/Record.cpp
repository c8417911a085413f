#include "storage/Record.h"

#include "storage/ShortText.h"

Record::Record(const RecordLayout &layout)
    : m_layout(&layout)
    , m_bytes(layout.recordSize(), '\0')
{
}

QString Record::value(int field) const
{
    const FieldSpec &spec = m_layout->field(field);
    return fromShortText(data() + spec.offset, spec.capacity);
}

void Record::setValue(int field, QStringView text)
{
    const FieldSpec &spec = m_layout->field(field);
    toShortText(text, spec.capacity, data() + spec.offset);
}
