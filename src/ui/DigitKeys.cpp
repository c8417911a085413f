#include "ui/DigitKeys.h"

#include "checks/CheckText.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

bool accepted(const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return key.text().size() == 1 && isAsciiDigit(key.text().front());
    }
}

} // namespace

void DigitKeys::install(QWidget *box)
{
    box->installEventFilter(new DigitKeys(box));
}

bool DigitKeys::eventFilter(QObject *watched, QEvent *event)
{
    // Editing shortcuts such as paste come as key presses too, and are refused.
    if (event->type() == QEvent::KeyPress && !accepted(*static_cast<QKeyEvent *>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}
