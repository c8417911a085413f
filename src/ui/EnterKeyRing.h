#pragma once

#include <QHash>
#include <QObject>
#include <QSet>

#include <functional>
#include <initializer_list>

class QAbstractButton;
class QWidget;

// Enter in a text box moves the focus to the next element of a fixed order.
// Other keys are left to the box. When the focus has come to a button, the
// next Enter presses it, whatever the window (by itself a push button takes
// Enter only as the auto-default button of a dialog).
class EnterKeyRing : public QObject
{
    Q_OBJECT

public:
    using Target = std::function<QWidget *()>;

    explicit EnterKeyRing(QObject *parent);

    /// Enter in each widget moves to the one after it; Enter on a button of
    /// the order presses it.
    void chain(std::initializer_list<QWidget *> order);
    /// Enter in from moves to whatever target() names at that moment.
    void link(QWidget *from, Target target);
    /// Enter on button presses it (a button the focus reaches by Tab).
    void pressOnEnter(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<QObject *, Target> m_next;
    QSet<QObject *> m_pressed;
};
