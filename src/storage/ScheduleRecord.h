#pragma once

#include "storage/RecordLayout.h"

#include <QString>

#include <array>
#include <optional>

// The schedule: one file per calendar year, one record per deadline,
// appointment or payment, in the order the entries were first saved.
namespace ScheduleRecord {

enum Field : int {
    Giorno,
    Mese,
    Anno,
    Data,
    OreApp,
    MinutiApp,
    Ora,
    Avviso,
    Proprietario,
    CodFisc,
    Recapito,
    Nome,
    DataNasc,
    Razza,
    Mantello,
    Microchip,
    Segni,
    Persona,
    Dettagli,
    Officina,
    Costo,
    Contatto,
    Note,
    DaConfermare,
    Effettuata,
    FieldCount,
};

inline constexpr int recordSize = 1448;

/// Name of the year file, the four-digit year and ".sca" ("2025.sca").
QString fileNameForYear(int year);

// A month as the schedule names it: its number, the name shown and stored in
// Mese, and the lower-case name that stored values are compared with.
struct Month
{
    int number;
    QLatin1StringView name;
    QLatin1StringView comparedAs;
};

inline constexpr std::array<Month, 12> months = {
    Month { 1, QLatin1StringView("Gennaio"), QLatin1StringView("gennaio") },
    Month { 2, QLatin1StringView("Febbraio"), QLatin1StringView("febbraio") },
    Month { 3, QLatin1StringView("Marzo"), QLatin1StringView("marzo") },
    Month { 4, QLatin1StringView("Aprile"), QLatin1StringView("aprile") },
    Month { 5, QLatin1StringView("Maggio"), QLatin1StringView("maggio") },
    Month { 6, QLatin1StringView("Giugno"), QLatin1StringView("giugno") },
    Month { 7, QLatin1StringView("Luglio"), QLatin1StringView("luglio") },
    Month { 8, QLatin1StringView("Agosto"), QLatin1StringView("agosto") },
    Month { 9, QLatin1StringView("Settembre"), QLatin1StringView("settembre") },
    Month { 10, QLatin1StringView("Ottobre"), QLatin1StringView("ottobre") },
    Month { 11, QLatin1StringView("Novembre"), QLatin1StringView("novembre") },
    Month { 12, QLatin1StringView("Dicembre"), QLatin1StringView("dicembre") },
};

/// Number (1 to 12) of the month named by a stored Mese text, compared
/// trimmed and lower-cased; nothing for a text that names no month.
std::optional<int> monthNumber(QStringView name);

/// The fields of every record of these files, in their order on disk.
const RecordLayout &layout();

} // namespace ScheduleRecord
