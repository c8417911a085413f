#include "checks/PaymentCardCheck.h"

#include "checks/CheckText.h"
#include "storage/ShortText.h"

#include <array>

namespace {

// Only the first 20 characters carry the number; anything after is ignored.
constexpr qsizetype significantCharacters = 20;

QString digitsOf(QStringView text)
{
    QString digits;
    for (QChar c : text.left(significantCharacters))
        if (isAsciiDigit(c))
            digits += c;
    return digits;
}

bool passesLuhn(QStringView digits)
{
    if (digits.isEmpty())
        return false;
    int sum = 0;
    bool doubled = true; // starting with the second-to-last digit
    for (qsizetype i = digits.size() - 2; i >= 0; --i, doubled = !doubled) {
        int value = digits[i].unicode() - u'0';
        if (doubled) {
            value *= 2;
            if (value >= 10)
                value -= 9;
        }
        sum += value;
    }
    return digits.back().unicode() - u'0' == (10 - sum % 10) % 10;
}

// Cards beginning with 3 are told apart by their first two characters.
QString typeStartingWith3(QStringView firstTwo)
{
    struct Row
    {
        QStringView prefix;
        QStringView type;
    };
    static constexpr std::array<Row, 8> rows = { {
        { u"30", u"Diner's Club / Carte Blanche" },
        { u"36", u"Diner's Club / Carte Blanche" },
        { u"38", u"Diner's Club / Carte Blanche" },
        { u"34", u"American Express" },
        { u"37", u"American Express" },
        { u"31", u"JCB" },
        { u"33", u"JCB" },
        { u"35", u"JCB" },
    } };
    for (const Row &row : rows)
        if (row.prefix == firstTwo)
            return row.type.toString();
    return {};
}

CheckReport wrongNumber()
{
    return { CheckReport::Message::Warning,
        QString::fromUtf8("Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
                          "fornire informazioni relative al tipo di carta di credito.") };
}

} // namespace

CheckReport paymentCardReport(QStringView boxText)
{
    const QString number = trimmedText(boxText);
    if (number.isEmpty())
        return { CheckReport::Message::Warning,
            QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il "
                           "pulsante di controllo."),
            false };

    const QString digits = digitsOf(boxText);
    // A valid number's kind is its first digit minus 2; 1 to 4 name a type.
    const int kind = passesLuhn(digits) ? digits.front().unicode() - u'0' - 2 : 0;
    QString type;
    switch (kind) {
    case 1:
        type = typeStartingWith3(QStringView(number).left(2));
        // A 3 followed by an unlisted digit passes but has no type to report.
        if (type.isEmpty())
            return {};
        break;
    case 2:
        type = QStringLiteral("Visa");
        break;
    case 3:
        type = QStringLiteral("MasterCard");
        break;
    case 4:
        type = QStringLiteral("Discover");
        break;
    default:
        return wrongNumber();
    }
    return { CheckReport::Message::Information,
        QStringLiteral("Il numero di carta di credito ") + number
            + QString::fromUtf8(" risulta valido.\r\n\r\nLa carta di credito è del tipo ") + type
            + QLatin1Char('.') };
}
