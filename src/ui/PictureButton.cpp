#include "ui/PictureButton.h"

#include <QPainter>
#include <QSvgRenderer>

PictureButton::PictureButton(const QString &objectName, const QString &artwork, QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setArtwork(artwork);
}

void PictureButton::setArtwork(const QString &artwork)
{
    m_artwork = artwork;
    update();
}

void PictureButton::setStatusText(const QString &text)
{
    m_statusText = text;
    setAccessibleDescription(text);
}

QSize PictureButton::sizeHint() const
{
    QSvgRenderer renderer(m_artwork);
    return renderer.isValid() ? renderer.defaultSize() : QSize(37, 39);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.4);
    else if (isDown())
        painter.translate(1, 1);
    QSvgRenderer renderer(m_artwork);
    renderer.render(&painter, rect());
    if (hasFocus()) {
        painter.setOpacity(1.0);
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
