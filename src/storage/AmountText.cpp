#include "storage/AmountText.h"

#include "storage/ShortText.h"

#include <cmath>

namespace AmountText {

std::optional<double> read(QStringView text)
{
    const QString trimmed = trimmedText(text);
    qsizetype i = 0;
    if (i < trimmed.size() && (trimmed[i] == u'-' || trimmed[i] == u'+'))
        ++i;
    qsizetype digits = 0;
    qsizetype commas = 0;
    for (; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (c == u',' && ++commas == 1)
            continue;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    QString dotted = trimmed;
    dotted.replace(u',', u'.');
    if (dotted.endsWith(u'.'))
        dotted.chop(1);
    bool ok = false;
    const double value = dotted.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString shortest(double value)
{
    // 'g' keeps fifteen significant digits and drops trailing zeros, but
    // turns to an exponent for large values: those are written out in full.
    QString text = QString::number(value, 'g', 15);
    const qsizetype exponentAt = text.indexOf(u'e');
    if (exponentAt >= 0) {
        const int exponent = text.mid(exponentAt + 1).toInt();
        QString mantissa = text.left(exponentAt);
        const bool negative = mantissa.startsWith(u'-');
        if (negative)
            mantissa.remove(0, 1);
        QString digits = mantissa;
        digits.remove(u'.');
        const qsizetype wholeDigits = 1 + exponent;
        if (exponent >= 0) {
            if (digits.size() <= wholeDigits)
                digits += QString(wholeDigits - digits.size(), u'0');
            else
                digits.insert(wholeDigits, u'.');
        } else {
            digits = QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
        }
        text = negative ? u'-' + digits : digits;
    }
    text.replace(u'.', u',');
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString formatted(QStringView text, int places)
{
    const std::optional<double> value = read(text);
    if (!value)
        return QStringLiteral("0,00");
    // The product is formed with the wider long double, so that it keeps the
    // binary value's own digits: 2,675 is stored as 2.67499999…, which times
    // 100 in double precision would round up to 267.5 exactly and give 2,68.
    // floor, not truncation: the two agree for every amount that can be typed,
    // and floor keeps a negative amount from a foreign file whole (-5 stays
    // -5,00 where truncating would give -4,9999).
    const long double scale = std::pow(10.0L, places);
    const long double rounded = std::floor(static_cast<long double>(*value) * scale + 0.5L) / scale;
    QString result = shortest(double(rounded));
    const qsizetype comma = result.indexOf(u',');
    if (comma < 0)
        result += QStringLiteral(",00");
    else if (comma == result.size() - 2)
        result += u'0';
    return result;
}

QString fitted(QStringView text, int places, int capacity)
{
    const QString amount = formatted(text, places);
    return amount.size() <= capacity ? amount : formatted(QString(), places);
}

} // namespace AmountText
