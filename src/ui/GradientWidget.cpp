#include "ui/GradientWidget.h"

#include <QLinearGradient>
#include <QPainter>

GradientWidget::GradientWidget(QColor top, QWidget *parent, QColor bottom)
    : QWidget(parent), m_top(top), m_bottom(bottom)
{
}

void GradientWidget::paintEvent(QPaintEvent *)
{
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, m_top);
    gradient.setColorAt(1, m_bottom);
    QPainter(this).fillRect(rect(), gradient);
}
