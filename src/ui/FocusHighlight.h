#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <initializer_list>

class QWidget;

// The focus mark of the owner card, the schedule and the search windows: a
// yellow rectangle (ARGB FFFFFF00) just larger than the box that has the
// focus, drawn behind it, and hidden again when the focus leaves.
class FocusHighlight : public QObject
{
    Q_OBJECT

public:
    explicit FocusHighlight(QObject *parent);

    /// Marks each of these boxes while it has the focus.
    void follow(const QList<QWidget *> &boxes);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// The rectangle that stands among the box's siblings, made on first use.
    QWidget *rectangleBeside(QWidget *box);

    QHash<QWidget *, QPointer<QWidget>> m_rectangles; // by the boxes' parent
};
