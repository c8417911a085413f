#pragma once

#include <QHash>
#include <QObject>

#include <functional>
#include <initializer_list>

class QWidget;

// Enter in a text box moves the focus to the next element of a fixed order.
// Other keys are left to the box.
class EnterKeyRing : public QObject
{
    Q_OBJECT

public:
    using Target = std::function<QWidget *()>;

    explicit EnterKeyRing(QObject *parent);

    /// Enter in each widget moves to the one after it.
    void chain(std::initializer_list<QWidget *> order);
    /// Enter in from moves to whatever target() names at that moment.
    void link(QWidget *from, Target target);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<QObject *, Target> m_next;
};
