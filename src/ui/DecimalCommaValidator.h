#pragma once

#include <QValidator>

// A box for a decimal number written the Italian way ("12,345"): digits,
// one decimal comma and at most a given number of decimals. The point, as
// the numeric keypad's decimal key types it on many layouts, is taken for the
// comma; anything else (a minus sign, a letter, a second comma) refuses the
// whole keystroke or paste, so nothing silently changes what was typed.
// Only what arrives is checked: the box's own keys (Home, End, selections,
// Ctrl+A) work as in any box.
class DecimalCommaValidator : public QValidator
{
    Q_OBJECT

public:
    DecimalCommaValidator(int decimals, QObject *parent);

    State validate(QString &input, int &position) const override;

private:
    int m_decimals;
};
