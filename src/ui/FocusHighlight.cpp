#include "ui/FocusHighlight.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace {
constexpr int margin = 4;
constexpr int border = 2;
const QColor yellow(0xFFFFFF00);
}

FocusHighlight::FocusHighlight(QWidget *window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("imgEvidenzia"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { focusMoved(now); });
}

void FocusHighlight::follow(QWidget *box)
{
    m_followed.append(box);
    // The highlight keeps to the box when a layout moves it.
    box->installEventFilter(this);
}

void FocusHighlight::focusMoved(QWidget *now)
{
    for (QWidget *box : std::as_const(m_followed)) {
        if (now && (now == box || box->isAncestorOf(now))) {
            standBehind(box);
            return;
        }
    }
    m_box = nullptr;
    hide();
}

void FocusHighlight::standBehind(QWidget *box)
{
    m_box = box;
    if (parentWidget() != box->parentWidget())
        setParent(box->parentWidget());
    setGeometry(box->geometry().adjusted(-margin, -margin, margin, margin));
    stackUnder(box);
    show();
}

bool FocusHighlight::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        standBehind(m_box);
    return QWidget::eventFilter(watched, event);
}

void FocusHighlight::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The border fades from yellow at the top to white at the bottom; the
    // inside, mostly covered by the box, stays yellow.
    QLinearGradient fade(0, 0, 0, height());
    fade.setColorAt(0, yellow);
    fade.setColorAt(1, Qt::white);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fade);
    painter.drawRoundedRect(QRectF(rect()), 3, 3);
    painter.setBrush(yellow);
    painter.drawRect(rect().adjusted(border, border, -border, -border));
}
