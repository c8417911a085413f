#pragma once

#include "kennel/HealthBooklet.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <stdexcept>

class ProgramFolder;
class Record;

// The schedule of one year as an iCalendar file (RFC 5545), so that phones
// and calendar programs remind the user of the same deadlines the program
// announces: one event per entry, at its date and time in Italian local
// time, with an alarm as many days before as the entry's notice. The health
// booklets' items due in the year come with them as whole-day events.
namespace CalendarExport {

/// The calendar file was not written (the year file's own failures are
/// RecordFileError): why, as the user is told.
class WriteError : public std::runtime_error
{
public:
    explicit WriteError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

/// What an export wrote: the schedule's events, the entries left out because
/// their date or time cannot be read, and the health booklets' events.
struct Summary
{
    int written = 0;
    int skipped = 0;
    int health = 0;
};

/// A health booklet's entry due in the exported year, and its dog's name.
struct HealthItem
{
    HealthBooklet::Entry entry;
    QString dogName;
};

/// The calendar of the entries of one year file, given with their positions,
/// and of the health items. `yearFileName` ("2025.sca") and the position make
/// each entry's UID, the booklets' archive name and the entry's position each
/// health item's, so a second export of the same year updates the events
/// instead of doubling them. `stamp` is the moment of the export (DTSTAMP).
QByteArray calendarText(const QString &yearFileName, const QList<Record> &entries, const QList<HealthItem> &health,
                        const QDateTime &stamp, Summary *summary = nullptr);

/// Reads every entry of the folder's file of that year, and every dog's
/// health items due in that year, and writes their calendar to icsPath whole
/// or not at all. An export only reads: a year without a file is a calendar
/// without the schedule's events, a folder without booklets one without
/// health items, and nothing is created. An icsPath that is one of the files
/// the program keeps is refused. Throws RecordFileError or WriteError.
Summary exportYear(const ProgramFolder &folder, int year, const QString &icsPath, const QDateTime &stamp);

/// The UID of the entry at a position of a year file, "2025.sca-3@zampora",
/// or of the booklets' archive, "Libretti_Sanitari.pro-12@zampora".
QString uid(const QString &yearFileName, qint64 position);

/// The closing message of an export, in Italian.
QString closingMessage(const Summary &summary);

} // namespace CalendarExport
