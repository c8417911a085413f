#pragma once

#include "export/ExportGrid.h"

#include <QDate>
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

} // namespace DeadlineLists
