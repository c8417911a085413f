#include "storage/Flags.h"

namespace FlagText {

QString yes()
{
    return QStringLiteral("S\u00EC");
}

QString no()
{
    return QStringLiteral("No");
}

std::optional<bool> parse(QStringView text)
{
    if (text == yes())
        return true;
    if (text == no())
        return false;
    return std::nullopt;
}

} // namespace FlagText
