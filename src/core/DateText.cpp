#include "core/DateText.h"

QString DateText::pattern()
{
    return QStringLiteral("dd/MM/yyyy");
}

QString DateText::format(QDate date)
{
    return date.toString(pattern());
}

namespace {

// Read by hand rather than through QDate::fromString: the schedule judges
// every entry of a year file at start-up, and the general parser costs
// microseconds per date, more than reading the record from disk.
template<typename View> QDate parseDate(View text)
{
    if (text.size() != 10 || text[2] != u'/' || text[5] != u'/')
        return {};
    // Each character's value as a digit: anything else comes out above 9.
    const auto digit = [&text](int i) { return unsigned(text[i].unicode()) - unsigned(u'0'); };
    const unsigned digits[] = { digit(0), digit(1), digit(3), digit(4), digit(6), digit(7), digit(8), digit(9) };
    for (const unsigned value : digits) {
        if (value > 9)
            return {};
    }
    const int day = int(digits[0] * 10 + digits[1]);
    const int month = int(digits[2] * 10 + digits[3]);
    const int year = int(digits[4] * 1000 + digits[5] * 100 + digits[6] * 10 + digits[7]);
    // Checked and counted here rather than by QDate's constructor, which goes
    // through the calendar system and costs as much again as the rest. Year 0
    // does not exist in QDate's calendar either: it is refused.
    constexpr int monthDays[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    if (year == 0 || month < 1 || month > 12 || day < 1 || day > monthDays[month - 1] + (month == 2 && leap))
        return {};
    // The Julian day of a Gregorian date (Fliegel and Van Flandern), which
    // is what QDate holds.
    const qint64 beforeMarch = month < 3 ? 1 : 0;
    const qint64 y = year + 4800 - beforeMarch;
    const qint64 m = month + 12 * beforeMarch - 3;
    return QDate::fromJulianDay(day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045);
}

} // namespace

QDate DateText::parse(QStringView text)
{
    return parseDate(text);
}

QDate DateText::parse(QLatin1StringView text)
{
    return parseDate(text);
}
