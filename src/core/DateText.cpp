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
    // Year 0 does not exist in QDate's calendar either: it is refused there.
    return QDate(parts[2], parts[1], parts[0]);
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
