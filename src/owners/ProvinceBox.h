#pragma once

#include <QComboBox>

// A province box of the owner card: an editable drop-down box offering the
// province codes, where a code may also be typed freely. Its text is kept
// trimmed and in capitals at every keystroke and when the box is left, and
// it is never tied to a list entry once the user is in the box.
class ProvinceBox : public QComboBox
{
    Q_OBJECT

public:
    ProvinceBox(const QString &objectName, QWidget *parent);

    /// The codes offered, in their order.
    static const QStringList &codes();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
