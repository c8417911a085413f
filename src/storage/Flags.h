#pragma once

#include <QString>

#include <optional>

// The two texts a check box is stored as. Any other stored text is no answer:
// reading it leaves the check box as it was.
namespace FlagText {

/// "Sì", stored as the bytes 02 53 EC.
QString yes();
/// "No", stored as the bytes 02 4E 6F.
QString no();
inline QString of(bool ticked)
{
    return ticked ? yes() : no();
}
/// True for "Sì", false for "No", nothing for any other text.
std::optional<bool> parse(QStringView text);

} // namespace FlagText
