#pragma once

#include <QChar>

/// True for the ASCII digits 0 to 9 only (QChar::isDigit also accepts other scripts' digits).
constexpr bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
