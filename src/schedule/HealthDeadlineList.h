#pragma once

#include "export/ExportGrid.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

class ProgramFolder;

// The list "Scadenze sanitarie": every dog's health items due in a period,
// as the health booklets say (an item repeated by a later booster is no
// longer due), in order of due date.
namespace HealthDeadlineList {

/// The period typed: the first and last days, both included.
struct Period
{
    QDate first;
    QDate last;
};

/// Why a period cannot be listed: the Italian warning and which box it concerns.
struct Problem
{
    enum Box { From, To } box;
    QString message;
};

/// Checks the period typed, in this order: the first day exists as
/// "dd/mm/yyyy", the last day exists, and it is not before the first.
std::optional<Problem> check(QStringView from, QStringView to);

/// The period of a check() that found no problem.
Period period(QStringView from, QStringView to);

/// The period the list opens on: today and the thirty days after it.
Period defaultPeriod(QDate today);

/// The rows, six cells each (Scadenza, Cane, Tipo, Cosa, Stato, Veterinario):
/// every dog's items due in period, in order of due date, each with its
/// state on today. Reads without creating anything: no booklets, no rows.
/// Throws RecordFileError.
ExportRows readRows(const ProgramFolder &folder, const Period &period, QDate today);

/// The printed list: a heading and a rule, then one line per row in
/// columns, or a line saying that the period holds nothing.
QStringList printedLines(const ExportRows &rows);

} // namespace HealthDeadlineList
