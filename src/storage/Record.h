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

// A record's bytes seen where they lie, without a copy: a Record, or a record
// that a scan reads in place from its file (valid until the file's next action).
class RecordView
{
public:
    RecordView(const RecordLayout &layout, const char *data)
        : m_layout(&layout)
        , m_data(data)
    {
    }
    RecordView(const Record &record) // NOLINT: a record is always viewable
        : m_layout(&record.layout())
        , m_data(record.data())
    {
    }

    const RecordLayout &layout() const { return *m_layout; }
    const char *data() const { return m_data; }
    /// The field's text through fromShortText.
    QString value(int field) const;
    /// The field's trimmed bytes, not yet decoded (see shortTextBytes).
    QByteArrayView storedBytes(int field) const;
    /// Whether every length byte is within its field's capacity, as in any
    /// record the program writes: a record of a damaged or foreign file may
    /// claim more text than its field holds, and its text cannot be told.
    bool fieldsFit() const;

private:
    const RecordLayout *m_layout;
    const char *m_data;
};
