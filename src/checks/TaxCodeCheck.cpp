#include "checks/TaxCodeCheck.h"

#include "checks/CheckText.h"
#include "storage/ShortText.h"

#include <array>
#include <optional>

namespace {

constexpr qsizetype taxCodeLength = 16;

// A digit counts as the letter of the same rank ('0' as 'A', '1' as 'B', …),
// which makes the even-position value of every character simply this rank.
// Characters other than digits and capitals have no value.
std::optional<int> letterRank(QChar c)
{
    if (isAsciiDigit(c))
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'Z')
        return c.unicode() - u'A';
    return std::nullopt;
}

std::optional<int> positionValue(QChar c, bool oddPosition)
{
    // The odd-position table of the tax code standard, by rank A to Z.
    static constexpr std::array<int, 26> oddTable
        = { 1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23 };
    const std::optional<int> rank = letterRank(c);
    if (rank && oddPosition)
        return oddTable[*rank];
    return rank;
}

} // namespace

CheckVerdict checkTaxCode(QStringView code)
{
    const QString capitals = capitalsAtoZ(code);
    if (capitals.size() != taxCodeLength)
        return CheckVerdict::WrongLength;
    int sum = 0;
    for (qsizetype i = 0; i < taxCodeLength - 1; ++i) {
        const bool oddPosition = i % 2 == 0; // positions are counted from 1
        const std::optional<int> value = positionValue(capitals[i], oddPosition);
        if (!value)
            return CheckVerdict::Wrong;
        sum += *value;
    }
    const QChar expected(u'A' + sum % 26);
    return capitals.back() == expected ? CheckVerdict::Valid : CheckVerdict::Wrong;
}

CheckReport taxCodeReport(QStringView boxText)
{
    switch (checkTaxCode(boxText)) {
    case CheckVerdict::Valid:
        return { CheckReport::Message::Information,
            QString::fromUtf8("Il codice fiscale digitato è VALIDO.") };
    case CheckVerdict::Wrong:
        return { CheckReport::Message::Warning,
            QString::fromUtf8("Attenzione: il codice fiscale digitato è ERRATO.") };
    case CheckVerdict::WrongLength:
        break;
    }
    return { CheckReport::Message::Warning,
        QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."),
        false };
}
