#include "ui/EnterKeyRing.h"

#include <QKeyEvent>
#include <QWidget>

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
    }
}

void EnterKeyRing::link(QWidget *from, Target target)
{
    from->installEventFilter(this);
    m_next.insert(from, std::move(target));
}

bool EnterKeyRing::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (QWidget *next = m_next.value(watched)()) {
                next->setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
