#pragma once

#include "storage/RecordLayout.h"

#include <QByteArray>
#include <QString>

// A record buffer of one layout. New buffers are all zero bytes.
class Record
{
public:
    explicit Record(const RecordLayout &layout);

    const RecordLayout &layout() const { return *m_layout; }
    /// The field's text through fromShortText.
    QString value(int field) const;
    /// The field's trimmed Windows-1252 bytes, for readers that decode many fields at once.
    QByteArrayView bytesOf(int field) const;
    /// Stores the text through toShortText with the field's capacity.
    void setValue(int field, QStringView text);

    char *data() { return m_bytes.data(); }
    const char *data() const { return m_bytes.constData(); }
    const QByteArray &bytes() const { return m_bytes; }
    int size() const { return int(m_bytes.size()); }

private:
    const RecordLayout *m_layout;
    QByteArray m_bytes;
};
