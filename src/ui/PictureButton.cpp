#include "ui/PictureButton.h"

#include <QPainter>
#include <QSvgRenderer>

PictureButton::PictureButton(const QString &objectName, const QString &artwork, QWidget *parent)
    : QAbstractButton(parent)
    , m_renderer(new QSvgRenderer(this))
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setArtwork(artwork);
}

void PictureButton::setArtwork(const QString &artwork)
{
    m_renderer->load(artwork);
    update();
}

void PictureButton::setStatusText(const QString &text)
{
    m_statusText = text;
    setAccessibleDescription(text);
}

QSize PictureButton::sizeHint() const
{
    return m_renderer->isValid() ? m_renderer->defaultSize() : QSize(37, 39);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.4);
    else if (isDown())
        painter.translate(1, 1);
    m_renderer->render(&painter, rect());
    // Like the native buttons, mark the focus only once the user navigates
    // with the keyboard, not the focus a window gives its first control.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setOpacity(1.0);
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
