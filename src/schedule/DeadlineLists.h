#pragma once

#include "export/ExportGrid.h"

#include <QDate>
#include <QHash>
#include <QString>

class ProgramFolder;

// The three deadline lists of the schedule: the entries imminent today, the
// entries of a day and the entries of a month, each read from one year file
// and shown in chronological order.
namespace DeadlineLists {

enum class Kind { Imminent, Day, Month };

/// The rows of a list, 20 cells each (Data to Note as the spreadsheet orders
/// them, then the chronological key): every entry the list takes, from the
/// first to the last of day's year file, numbered 1, 2, 3… in that order,
/// then sorted by key, each row keeping its number. day is today for the
/// imminent list (the entry is imminent on it, flags aside), which reads the
/// next year's file too when it exists, its rows numbered on and listed after
/// this year's; it is the calendar's date for the others (Data is that date;
/// or Mese names its month and Anno is its year). Entries that cannot be
/// judged (in the imminent list, a Data that is no date or an Avviso that is
/// no whole number) are passed over. Day's year file is created empty when
/// missing. A file that cannot be read ends the reading silently: the rows
/// read so far are listed.
ExportRows readRows(const ProgramFolder &folder, Kind kind, QDate day);

/// Where the entry of a health row lies: its dog's card and its record in
/// the booklets' archive, both 1-based.
struct HealthPlace
{
    qint64 dog = 0;
    qint64 entry = 0;
    bool operator==(const HealthPlace &) const = default;
};

/// A list's rows and which of them are health rows.
struct Rows
{
    ExportRows grid;
    QHash<int, HealthPlace> health; // by row of grid
};

/// The rows of readRows; the imminent list takes, among them, every dog's
/// health booklet entries the start-up check announces (HealthNotices),
/// overdue ones too. A health row fills Data with the due date, Nome with
/// the dog's name, Persona with the veterinarian, Dettagli with
/// "Libretto sanitario: " and the announcement and Note with the entry's
/// note, leaving the other cells and the key empty; the rows are numbered
/// on after the schedule's, in order of due date, and each stands before
/// the first schedule row of a later day. A booklets' archive that cannot
/// be read adds no row.
Rows read(const ProgramFolder &folder, Kind kind, QDate day);

} // namespace DeadlineLists
