#include "ui/FocusLeave.h"

#include <QFocusEvent>
#include <QObject>
#include <QWidget>

namespace {

class FocusLeaveFilter : public QObject
{
public:
    FocusLeaveFilter(QWidget *control, std::function<void()> action)
        : QObject(control), m_action(std::move(action))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                m_action();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

} // namespace

void whenFocusLeaves(QWidget *control, std::function<void()> action)
{
    control->installEventFilter(new FocusLeaveFilter(control, std::move(action)));
}
