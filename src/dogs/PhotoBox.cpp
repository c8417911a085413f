#include "dogs/PhotoBox.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

QImage renderPlaceholder()
{
    QImage image(306, 353, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(QStringLiteral(":/dogs/photo/placeholder.svg")).render(&painter);
    return image;
}

} // namespace

PhotoBox::PhotoBox(const QString &objectName, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setAlignment(Qt::AlignCenter);
    // The box's size is set by its window; the scaled picture must never ask
    // a layout to grow or keep the box from shrinking.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    showPlaceholder();
}

void PhotoBox::setPicture(const QImage &picture)
{
    if (picture.isNull()) {
        showPlaceholder();
        return;
    }
    m_picture = picture;
    m_placeholder = false;
    refresh();
}

void PhotoBox::showPlaceholder()
{
    m_picture = placeholder();
    m_placeholder = true;
    refresh();
}

QImage PhotoBox::placeholder()
{
    static const QImage picture = renderPlaceholder();
    return picture;
}

void PhotoBox::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    refresh();
}

void PhotoBox::refresh()
{
    if (size().isEmpty()) {
        clear();
        return;
    }
    // Scaled for the screen's pixel density, so that the photo stays sharp on
    // high-resolution screens; small pictures are enlarged to fit.
    const qreal ratio = devicePixelRatioF();
    QPixmap shown
        = QPixmap::fromImage(m_picture.scaled(size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    shown.setDevicePixelRatio(ratio);
    setPixmap(shown);
}
