#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

// The yellow rectangle that marks the box holding the focus in the windows
// whose boxes keep their own colours (owner card, schedule, searches,
// password): each box gets a hidden rectangle behind it, a little larger than
// the box, shown while the box has the focus. The rectangle follows the box
// when a layout moves or resizes it.
class FocusRectangles : public QObject
{
    Q_OBJECT

public:
    explicit FocusRectangles(QObject *parent);

    /// Gives control its rectangle, named "shp" + the control's name without
    /// its three-letter prefix ("txtNome" → "shpNome").
    void add(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place(QWidget *control, QWidget *rectangle) const;

    // Guarded: when a window is torn down, a rectangle may go before the
    // control it marks, and the control still loses the focus after that.
    QHash<QObject *, QPointer<QWidget>> m_rectangles;
};
