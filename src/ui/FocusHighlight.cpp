#include "ui/FocusHighlight.h"

#include <QEvent>
#include <QWidget>

namespace {

// How far the rectangle reaches beyond the box on every side.
constexpr int border = 3;

} // namespace

FocusHighlight::FocusHighlight(QObject *parent)
    : QObject(parent)
{
}

void FocusHighlight::follow(const QList<QWidget *> &boxes)
{
    for (QWidget *box : boxes)
        box->installEventFilter(this);
}

QWidget *FocusHighlight::rectangleBeside(QWidget *box)
{
    QPointer<QWidget> &rectangle = m_rectangles[box->parentWidget()];
    if (!rectangle) {
        rectangle = new QWidget(box->parentWidget());
        rectangle->setObjectName(QStringLiteral("shpEvidenzia"));
        rectangle->setAttribute(Qt::WA_StyledBackground);
        rectangle->setStyleSheet(QStringLiteral("background: #FFFF00;"));
        rectangle->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    return rectangle;
}

bool FocusHighlight::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::FocusIn) {
        QWidget *rectangle = rectangleBeside(box);
        rectangle->setGeometry(box->geometry().adjusted(-border, -border, border, border));
        rectangle->stackUnder(box);
        rectangle->show();
    } else if (event->type() == QEvent::FocusOut) {
        // Focus also leaves while the window is being torn down: nothing may be made then.
        if (QWidget *rectangle = m_rectangles.value(box->parentWidget()))
            rectangle->hide();
    }
    return QObject::eventFilter(watched, event);
}
