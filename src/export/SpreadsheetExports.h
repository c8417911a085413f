#pragma once

#include "export/ExportGrid.h"
#include "export/SpreadsheetDocument.h"

class RecordLayout;

// The seven spreadsheet exports: three of whole archives, four of deadline
// lists. Each writes its grid, in grid order, to its own file in the program
// folder.
namespace SpreadsheetExports {

// Where an archive grid's cell comes from: a field of the record, or two
// fields joined by one blank (a town and its province).
struct CellSource
{
    int field;
    int joinedField = -1;
};

// An archive export: its spreadsheet and, for each of its columns, the
// record field that fills it.
struct ArchiveExport
{
    SpreadsheetFormat format;
    const RecordLayout &layout;
    std::span<const CellSource> cells;
};

/// "Cani.xls": 25 columns of the dog archive.
const ArchiveExport &dogs();
/// "Proprietari.xls": 25 columns of the owner archive.
const ArchiveExport &owners();
/// "Scadenze_e_Appuntamenti.xls": 19 columns of one schedule year file.
const ArchiveExport &schedule();

// The deadline lists export the schedule's 19 columns and a twentieth,
// "Codice univoco", the entry's chronological key as their grids show it.
// Their grids have 21 columns: the running number, then these 20.

/// "Scadenze_Imminenti.xls", sheet "Scadenze imminenti".
const SpreadsheetFormat &imminentDeadlines();
/// "Scadenze_Giornaliere.xls", sheet "Scadenze del giorno".
const SpreadsheetFormat &dailyDeadlines();
/// "Scadenze_Mensili.xls", sheet "Scadenze del mese".
const SpreadsheetFormat &monthlyDeadlines();

/// "Scadenze_Sanitarie.xls", sheet "Scadenze sanitarie": the health
/// booklets' items due in a period, six columns from Scadenza to
/// Veterinario (seven in the grid, with the running number).
const SpreadsheetFormat &healthDeadlines();

/// The rows of an archive grid: every record of the file at path from the
/// first to the last (the file is created empty when missing), each field
/// trimmed. Reading stops silently at a failure; the rows read so far stay.
ExportRows readArchiveRows(const QString &path, const ArchiveExport &archive);

} // namespace SpreadsheetExports
