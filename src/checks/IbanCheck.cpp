#include "checks/IbanCheck.h"

#include "checks/CheckText.h"
#include "storage/ShortText.h"

#include <algorithm>
#include <optional>

namespace {

constexpr qsizetype ibanLength = 27;

// Country code and check digits moved to the end, then every letter written as
// its number (A = 10 … Z = 35); nothing when another sign remains.
std::optional<QString> ibanAsDigits(QStringView iban)
{
    QString text = capitalsAtoZ(iban);
    text.remove(QLatin1Char(' '));
    const qsizetype word = text.indexOf(QLatin1StringView("IBAN"));
    if (word >= 0)
        text.remove(word, 4);
    text = text.mid(4) + text.left(4);

    QString digits;
    for (QChar c : std::as_const(text)) {
        if (isAsciiDigit(c))
            digits += c;
        else if (c >= u'A' && c <= u'Z')
            digits += QString::number(c.unicode() - u'A' + 10);
        else
            return std::nullopt;
    }
    return digits;
}

// The remainder of a long decimal number, taken nine digits at a time so that
// no intermediate value exceeds 32 bits.
quint32 remainderModulo97(QStringView digits)
{
    quint32 remainder = 0;
    while (!digits.isEmpty()) {
        QString block = QString::number(remainder);
        const qsizetype taken = std::min(9 - block.size(), digits.size());
        block += digits.left(taken);
        digits = digits.mid(taken);
        remainder = block.toUInt() % 97;
    }
    return remainder;
}

} // namespace

CheckVerdict checkIban(QStringView iban)
{
    const QString trimmed = trimmedText(iban);
    if (trimmed.size() != ibanLength)
        return CheckVerdict::WrongLength;
    const std::optional<QString> digits = ibanAsDigits(trimmed);
    return digits && remainderModulo97(*digits) == 1 ? CheckVerdict::Valid : CheckVerdict::Wrong;
}

CheckReport ibanReport(QStringView boxText)
{
    switch (checkIban(boxText)) {
    case CheckVerdict::Valid:
        return { CheckReport::Message::Information, QString::fromUtf8("L'IBAN digitato è VALIDO.") };
    case CheckVerdict::Wrong:
        return { CheckReport::Message::Warning, QString::fromUtf8("Attenzione: l'IBAN digitato è ERRATO!") };
    case CheckVerdict::WrongLength:
        break;
    }
    return { CheckReport::Message::Warning,
        QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."), false };
}
