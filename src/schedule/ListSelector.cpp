#include "schedule/ListSelector.h"

#include "storage/ShortText.h"
#include "ui/AllowedCharacters.h"

#include <QKeyEvent>
#include <QLineEdit>

ListSelector::ListSelector(const QString &objectName, const QStringList &items, int capacity, QWidget *parent)
    : QComboBox(parent)
{
    setObjectName(objectName);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    addItems(items);
    setMaxVisibleItems(12);
    lineEdit()->setMaxLength(capacity);
    // Nothing arrives in the box but an item of the list: no paste, no drop.
    AllowedCharacters::install(lineEdit(), {}, AllowedCharacters::Keys::OwnedByTheBox);
    setCurrentIndex(-1);
}

void ListSelector::resetSelection()
{
    const QString shown = text();
    setCurrentIndex(-1); // empties an editable box's text as well
    setEditText(shown);
}

void ListSelector::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        setEditText(QString());
        event->accept();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_F4:
        QComboBox::keyPressEvent(event);
        return;
    case Qt::Key_Down:
    case Qt::Key_Up:
        // Alt+arrow opens the list, as in every drop-down box; a bare arrow
        // would pick an item without looking at the list.
        if (event->modifiers() & Qt::AltModifier) {
            QComboBox::keyPressEvent(event);
            return;
        }
        break;
    default:
        break;
    }
    event->accept(); // discarded: nothing is typed into a selector
}

void ListSelector::focusInEvent(QFocusEvent *event)
{
    // Coming back from the list's own popup is not a new visit.
    if (event->reason() != Qt::PopupFocusReason)
        resetSelection();
    QComboBox::focusInEvent(event);
}

void ListSelector::focusOutEvent(QFocusEvent *event)
{
    // Opening the list or switching to a message box is not leaving the box.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
        const QString value = trimmedText(text());
        if (findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
            setEditText(QString());
    }
    QComboBox::focusOutEvent(event);
}
