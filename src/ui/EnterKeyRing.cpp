#include "ui/EnterKeyRing.h"

#include <QAbstractButton>
#include <QKeyEvent>

EnterKeyRing::EnterKeyRing(QObject *parent)
    : QObject(parent)
{
}

void EnterKeyRing::chain(std::initializer_list<QWidget *> order)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : order) {
        if (previous)
            link(previous, [widget] { return widget; });
        previous = widget;
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            pressOnEnter(button);
            previous = nullptr; // Enter there presses, it does not move on
        }
    }
}

void EnterKeyRing::link(QWidget *from, Target target)
{
    from->installEventFilter(this);
    m_next.insert(from, std::move(target));
}

void EnterKeyRing::pressOnEnter(QAbstractButton *button)
{
    button->installEventFilter(this);
    m_pressed.insert(button);
}

bool EnterKeyRing::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_pressed.contains(watched)) {
                static_cast<QAbstractButton *>(watched)->click();
                return true;
            }
            if (QWidget *next = m_next.value(watched)()) {
                next->setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
