#pragma once

#include "storage/ScheduleRecord.h"

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class ProgramFolder;
class Record;
class RecordView;

// The schedule's shared notions over Schedule entry records: when an entry is
// imminent, the key that orders a year's entries, and what a card must hold
// before it is saved. Used by the schedule window, its deadline lists,
// summaries and exports.
namespace ScheduleRules {

/// An entry falling due on deadline with noticeDays of notice is imminent on
/// day from noticeDays before the deadline up to the deadline day itself.
bool isImminent(QDate deadline, int noticeDays, QDate day);

/// The rule applied to a stored entry's Data and Avviso; nothing when either
/// cannot be read (a date that is not "dd/mm/yyyy" or does not exist, a
/// notice that is not made of digits).
std::optional<bool> isImminentOn(RecordView entry, QDate day);

/// The entry's notice (Avviso) in days; nothing when it is not made of digits.
std::optional<int> noticeDays(RecordView entry);

/// The year files that may hold entries imminent on day: that year's, and
/// the next year's when it exists, since an entry of early January with its
/// notice is announced in late December. A past year's entries have fallen
/// due already.
QStringList imminentYearFiles(const ProgramFolder &folder, QDate day);

/// How many entries of the imminent year files are imminent on day, reading
/// each from the first entry to the last; entries that cannot be judged are
/// passed over. Opens each file (creating day's year file empty when
/// missing) and closes it; throws RecordFileError on any failure.
qint64 countImminent(const ProgramFolder &folder, QDate day);

/// The days of a year that hold at least one entry of its year file, read
/// from each entry's Data; an entry whose date cannot be read, or lies in
/// another year, marks none. A missing file holds none and is not created.
/// Throws RecordFileError.
QSet<QDate> daysWithEntries(const ProgramFolder &folder, int year);

/// Appends to text the entry's eight digits MMDDHHMM: the month of Data,
/// Giorno, OreApp and MinutiApp. They order the entries of one year file by
/// date and time.
void appendChronologicalKey(QString &text, RecordView entry);

// Why a card cannot be saved: the message, the control to put the focus in
// (named after its field) and whether the message is a plain notice rather
// than a warning.
struct SaveProblem
{
    ScheduleRecord::Field focus;
    QString message;
    bool plain = false;

    bool operator==(const SaveProblem &) const = default;
};

/// Checks a card about to be saved, given as the record filled from it, in
/// the order the user is told about them. As they are reached, the time
/// (Ora, from the hour and minutes) and then the date (Data, from the day,
/// the month's number and Anno) are written into the entry, so the caller
/// can show them even when a later check fails. Nothing when the entry may
/// be saved.
std::optional<SaveProblem> checkForSave(Record &entry);

} // namespace ScheduleRules
