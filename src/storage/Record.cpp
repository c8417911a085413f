#include "storage/Record.h"

#include "storage/ShortText.h"

#include <algorithm>

Record::Record(const RecordLayout &layout)
    : m_layout(&layout)
    , m_bytes(layout.recordSize(), '\0')
{
}

QString Record::value(int field) const
{
    return RecordView(*this).value(field);
}

QString RecordView::value(int field) const
{
    const FieldSpec &fieldSpec = m_layout->field(field);
    return fromShortText(m_data + fieldSpec.offset, fieldSpec.capacity);
}

QByteArrayView RecordView::storedBytes(int field) const
{
    const FieldSpec &fieldSpec = m_layout->field(field);
    return shortTextBytes(m_data + fieldSpec.offset, fieldSpec.capacity);
}

bool RecordView::fieldsFit() const
{
    return std::all_of(m_layout->fields().begin(), m_layout->fields().end(), [this](const FieldSpec &field) {
        return static_cast<unsigned char>(m_data[field.offset]) <= field.capacity;
    });
}

void Record::setValue(int field, QStringView text)
{
    const FieldSpec &fieldSpec = m_layout->field(field);
    toShortText(text, fieldSpec.capacity, data() + fieldSpec.offset);
}
