#pragma once

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
// time, with an alarm as many days before as the entry's notice.
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

/// Reads every entry of the folder's file of that year and writes its
/// calendar to icsPath whole or not at all. An export only reads: a year
/// without a file is an empty calendar, and nothing is created. An icsPath
/// that is one of the files the program keeps is refused. Throws
/// RecordFileError or WriteError.
Summary exportYear(const ProgramFolder &folder, int year, const QString &icsPath, const QDateTime &stamp);

/// The UID of the entry at a position of a year file: "2025.sca-3@zampora".
QString uid(const QString &yearFileName, qint64 position);

/// The closing message of an export, in Italian.
QString closingMessage(const Summary &summary);

} // namespace CalendarExport
