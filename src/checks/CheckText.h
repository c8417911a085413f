#pragma once

#include <QString>

/// The text with the letters a to z in capitals; accented letters and every
/// other character stay as they are.
QString capitalsAtoZ(QStringView text);

/// The text as the check boxes keep it while the user types: trimmed of blanks
/// and control characters at both ends, letters a to z in capitals.
QString tidiedCheckText(QStringView text);

/// True for the ASCII digits 0 to 9 only (QChar::isDigit also accepts other scripts' digits).
constexpr bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
