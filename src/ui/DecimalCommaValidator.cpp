#include "ui/DecimalCommaValidator.h"

DecimalCommaValidator::DecimalCommaValidator(int decimals, QObject *parent)
    : QValidator(parent)
    , m_decimals(decimals)
{
}

QValidator::State DecimalCommaValidator::validate(QString &input, int &) const
{
    input.replace(u'.', u','); // same length: the cursor stays where it was
    int decimals = -1;         // -1 before the comma
    for (const QChar c : std::as_const(input)) {
        if (c == u',') {
            if (decimals >= 0)
                return Invalid;
            decimals = 0;
        } else if (c >= u'0' && c <= u'9') {
            if (decimals >= 0 && ++decimals > m_decimals)
                return Invalid;
        } else {
            return Invalid;
        }
    }
    return input.isEmpty() || input.endsWith(u',') ? Intermediate : Acceptable;
}
