#pragma once

#include "ui/FindInList.h"

#include <QObject>

class MessageBoxes;
class QAbstractButton;
class QAbstractItemView;
class QLineEdit;

// The find band of a list window: the find box `txtTrova`, its button "Trova"
// and the list of lines they search (the first column of the list's model).
// Enter in the box moves the focus to the button without finding; the button
// selects the next line holding the box's text (FindInList), selecting the
// first line first when none is, and says so when the list is empty. Nothing
// is said when no line holds the text: the selection just stays.
class ListFinder : public QObject
{
    Q_OBJECT

public:
    ListFinder(MessageBoxes &messages, QLineEdit *box, QAbstractButton *button, QAbstractItemView *list);

    /// Forgets the last find and empties the box: the list window was shown.
    void reset();
    /// What "Trova" does.
    void btnTrovaClick();

private:
    MessageBoxes &m_messages;
    QLineEdit *m_box;
    QAbstractItemView *m_list;
    FindInList m_find;
};
