#pragma once

#include <QComboBox>

// A drop-down box whose value can only be one of its list's items: it is
// chosen from the list, never typed. Backspace and Delete empty it at once;
// leaving it with a text that is no item of the list empties it; taking the
// focus forgets which item was selected, keeping the text. Its text is the
// "text" property, as for the text boxes beside it.
class ListSelector : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText USER true)

public:
    ListSelector(const QString &objectName, const QStringList &items, int capacity, QWidget *parent);

    QString text() const { return currentText(); }
    void setText(const QString &text) { setEditText(text); }
    /// No item selected any more; the text stays as it is.
    void resetSelection();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
