#pragma once

#include "storage/RecordLayout.h"

#include <QStringList>

// The values of a record as a card shows them, saved or not: one text per
// field of its layout, in record order. Unlike a Record they are neither cut
// to the fields' capacities nor limited to the characters of the files' code
// page, so a document or a page made from them holds exactly what was typed.
class RecordTexts
{
public:
    RecordTexts(const RecordLayout &layout, QStringList texts)
        : m_layout(&layout)
        , m_texts(std::move(texts))
    {
        Q_ASSERT(m_texts.size() == layout.fieldCount());
    }

    const RecordLayout &layout() const { return *m_layout; }
    const QString &value(int field) const { return m_texts.at(field); }

private:
    const RecordLayout *m_layout;
    QStringList m_texts;
};
