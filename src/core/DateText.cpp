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
    int parts[3] = {};
    constexpr std::pair<int, int> spans[] = { { 0, 2 }, { 3, 2 }, { 6, 4 } };
    for (int part = 0; part < 3; ++part) {
        for (int i = spans[part].first; i < spans[part].first + spans[part].second; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return {};
            parts[part] = parts[part] * 10 + (c - u'0');
        }
    }
    const int day = parts[0];
    const int month = parts[1];
    const int year = parts[2];
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
