#include "ui/FocusHighlight.h"

#include <QEvent>
#include <QWidget>

namespace {

constexpr int margin = 3;

// The yellow rectangle: a sibling of the box, kept just under it and around it.
class Highlight : public QWidget
{
public:
    explicit Highlight(QWidget *box)
        : QWidget(box->parentWidget())
        , m_box(box)
    {
        setObjectName(box->objectName() + QStringLiteral("_evidenza"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAutoFillBackground(true);
        QPalette yellow = palette();
        yellow.setColor(QPalette::Window, QColor(0xFFFFFF00));
        setPalette(yellow);
        follow();
        hide();
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            follow();
            show();
            break;
        case QEvent::FocusOut:
        case QEvent::Hide:
            hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            follow();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void follow()
    {
        setGeometry(m_box->geometry().adjusted(-margin, -margin, margin, margin));
        stackUnder(m_box);
    }

    QWidget *m_box;
};

} // namespace

void FocusHighlight::attach(QWidget *box)
{
    new Highlight(box);
}
