#pragma once

#include "storage/Record.h"
#include "storage/RecordTexts.h"

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// The controls that show the fields of one record layout on a card window,
// found by name: "txt" + field name for a text box or a drop-down box (one
// that takes no typing shows only its own entries), "chk" + field name for a
// check box (stored as the flag text "Sì" or "No"), "lbl" + field name for a
// label that only shows a value kept here and edited elsewhere (an attached
// file): nothing put into the label reaches the record. A card's state is
// what the boxes show and what is kept here.
class CardFields
{
public:
    /// Every field of layout must have its control under card.
    CardFields(const QWidget *card, const RecordLayout &layout);

    QWidget *control(int field) const { return m_controls[field]; }

    /// The field's text as shown, trimmed; a check box gives "Sì" or "No".
    QString value(int field) const;
    /// Shows text in the field's control, from its beginning. A check box is
    /// ticked by "Sì", cleared by "No" and left as it was by any other text.
    void setValue(int field, const QString &text);
    /// Empties the fields first to last: texts emptied, check boxes cleared,
    /// no list entry chosen.
    void clear(int first, int last);

    /// The card as a record of its layout.
    Record record() const;
    /// Every field's value(), in record order.
    QStringList values() const;
    /// The same values with their layout, for a window the card hands them to.
    RecordTexts texts() const { return RecordTexts(m_layout, values()); }
    /// Shows every field of a stored record.
    void show(const Record &record);

private:
    const RecordLayout &m_layout;
    QList<QWidget *> m_controls;
    QStringList m_kept; // the values of the fields a label shows; empty for the others
};
