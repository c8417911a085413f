#include "ui/LinkLabel.h"

#include <QAbstractButton>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &objectName, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(objectName);
    QFont font(QStringLiteral("Tahoma"), 14);
    font.setUnderline(true);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setPressed(false);
}

void LinkLabel::addIcon(QAbstractButton *icon)
{
    // The button's own released signal is missed when the button is let go
    // away from it, so the icon's mouse events are watched instead.
    icon->installEventFilter(this);
    connect(icon, &QAbstractButton::clicked, this, &LinkLabel::clicked);
}

bool LinkLabel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != this) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            setPressed(static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton);
        else if (event->type() == QEvent::MouseButtonRelease)
            setPressed(false);
    }
    return QLabel::eventFilter(watched, event);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setPressed(true);
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setPressed(false);
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void LinkLabel::setPressed(bool pressed)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, pressed ? pressedColour : normalColour);
    setPalette(colours);
}
