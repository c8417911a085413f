#pragma once

#include <QColor>
#include <QWidget>

// A background that fades vertically from a colour at the top to white at the bottom.
class GradientWidget : public QWidget
{
    Q_OBJECT

public:
    explicit GradientWidget(QColor top, QWidget *parent = nullptr, QColor bottom = Qt::white);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_top;
    QColor m_bottom;
};
