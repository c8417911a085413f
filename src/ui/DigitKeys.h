#pragma once

#include <QObject>

class QWidget;

// A box for a number typed as digits (a card number, a VAT number): keys that
// would type anything but a digit 0 to 9 are discarded. Backspace, Delete and
// the left and right arrows edit as usual; Enter and Tab still reach the
// window, which moves the focus.
class DigitKeys : public QObject
{
    Q_OBJECT

public:
    /// Filters the keys of box for as long as it lives.
    static void install(QWidget *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
