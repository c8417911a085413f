#include "ui/FocusRectangles.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace {

constexpr int margin = 4;

// Yellow inside, its border fading from yellow to white towards the outside.
class Rectangle : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QColor yellow(0xFF, 0xFF, 0x00);
        for (int ring = 0; ring < margin; ++ring) {
            const qreal towardsWhite = qreal(margin - ring) / (margin + 1);
            const QColor shade = QColor::fromRgbF(1.0, 1.0, towardsWhite);
            painter.fillRect(rect().adjusted(ring, ring, -ring, -ring), shade);
        }
        painter.fillRect(rect().adjusted(margin, margin, -margin, -margin), yellow);
    }
};

} // namespace

FocusRectangles::FocusRectangles(QObject *parent)
    : QObject(parent)
{
}

void FocusRectangles::add(QWidget *control)
{
    auto *rectangle = new Rectangle(control->parentWidget());
    rectangle->setObjectName(QStringLiteral("shp") + control->objectName().mid(3));
    rectangle->setAttribute(Qt::WA_TransparentForMouseEvents);
    rectangle->hide();
    rectangle->stackUnder(control);
    m_rectangles.insert(control, rectangle);
    control->installEventFilter(this);
    place(control, rectangle);
}

void FocusRectangles::place(QWidget *control, QWidget *rectangle) const
{
    rectangle->setGeometry(control->geometry().adjusted(-margin, -margin, margin, margin));
}

bool FocusRectangles::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *rectangle = m_rectangles.value(watched);
    if (rectangle) {
        switch (event->type()) {
        case QEvent::FocusIn:
            place(static_cast<QWidget *>(watched), rectangle);
            rectangle->show();
            break;
        case QEvent::FocusOut:
            rectangle->hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            place(static_cast<QWidget *>(watched), rectangle);
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
