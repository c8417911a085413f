#include "schedule/CalendarMarks.h"

#include "core/ScheduleRules.h"
#include "platform/Clock.h"
#include "storage/RecordFile.h"
#include "ui/Theme.h"

#include <QCalendarWidget>
#include <QTextCharFormat>

CalendarMarks::CalendarMarks(QCalendarWidget *calendar, const ProgramFolder &folder, const Clock &clock)
    : QObject(calendar)
    , m_calendar(calendar)
    , m_folder(folder)
    , m_clock(clock)
{
    connect(calendar, &QCalendarWidget::currentPageChanged, this, [this](int year) {
        if (year != m_markedYear)
            markYear(year);
    });
}

void CalendarMarks::refresh()
{
    markYear(m_calendar->yearShown());
}

void CalendarMarks::markYear(int year)
{
    QSet<QDate> days;
    try {
        days = ScheduleRules::daysWithEntries(m_folder, year);
    } catch (const RecordFileError &) {
        // The marks are a courtesy: a year file that cannot be read shows none.
    }
    m_markedYear = year;
    m_calendar->setDateTextFormat(QDate(), QTextCharFormat());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (const QDate day : std::as_const(days))
        m_calendar->setDateTextFormat(day, bold);
    // Today stands apart whether or not it holds entries, in the program's
    // amber, framed by the calendar's own selection when it is chosen.
    const QDate today = m_clock.today();
    QTextCharFormat todayFormat = m_calendar->dateTextFormat(today);
    todayFormat.setBackground(Theme::colour(Theme::Colour::TodayMark));
    todayFormat.setFontUnderline(true);
    m_calendar->setDateTextFormat(today, todayFormat);
}
