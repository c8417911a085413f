#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <stdexcept>

class Record;

// The schedule of one year as an iCalendar file (RFC 5545), so that phones
// and calendar programs remind the user of the same deadlines the program
// announces: one event per entry, at its date and time in Italian local
// time, with an alarm as many days before as the entry's notice.
namespace CalendarExport {

/// Writing the calendar file failed (the year file's own failures are
/// RecordFileError).
class WriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// What an export wrote: the events, and the entries left out because their
/// date or time cannot be read.
struct Summary
{
    int written = 0;
    int skipped = 0;
};

/// The calendar of the entries of one year file, given with their positions.
/// `yearFileName` ("2025.sca") and the position make each event's UID, so a
/// second export of the same year updates the events instead of doubling
/// them. `stamp` is the moment of the export (DTSTAMP).
QByteArray calendarText(const QString &yearFileName, const QList<Record> &entries, const QDateTime &stamp,
                        Summary *summary = nullptr);

/// Reads every entry of the year file (creating it empty when missing, as
/// every opening of a year file does) and writes its calendar to icsPath
/// whole or not at all. Throws RecordFileError or WriteError.
Summary exportYear(const QString &yearFilePath, const QString &icsPath, const QDateTime &stamp);

/// The UID of the entry at a position of a year file: "2025.sca-3@zampora".
QString uid(const QString &yearFileName, qint64 position);

/// The closing message of an export, in Italian.
QString closingMessage(const Summary &summary);

} // namespace CalendarExport
