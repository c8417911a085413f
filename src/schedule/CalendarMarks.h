#pragma once

#include "storage/ProgramFolder.h"

#include <QObject>

class Clock;
class QCalendarWidget;

// The schedule's month calendar as a map of the appointments: the days of
// the year it shows that hold entries in bold, and today apart. It reads the
// year file (never creating it) whenever the calendar turns to another year,
// and again when told: the window does so each time it is shown and after
// each save, so nothing is read before the calendar can be seen.
class CalendarMarks : public QObject
{
    Q_OBJECT

public:
    CalendarMarks(QCalendarWidget *calendar, const ProgramFolder &folder, const Clock &clock);

    /// Reads the year shown again and marks it.
    void refresh();

private:
    void markYear(int year);

    QCalendarWidget *m_calendar;
    ProgramFolder m_folder;
    const Clock &m_clock;
    int m_markedYear = 0;
};
