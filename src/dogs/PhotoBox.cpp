#include "dogs/PhotoBox.h"

#include <QPainter>
#include <QPixmap>

PhotoBox::PhotoBox(const QString &objectName, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setAlignment(Qt::AlignCenter);
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
    // Replaced by the artwork of the placeholder picture.
    QImage image(306, 353, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void PhotoBox::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    refresh();
}

void PhotoBox::refresh()
{
    setPixmap(QPixmap::fromImage(m_picture.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}
