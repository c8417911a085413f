#pragma once

#include <QDate>
#include <QString>

// Dates as the application writes and reads them everywhere: "dd/mm/yyyy".
// The Italian locale's own short format has a two-digit year, so dates never
// go through QLocale's ShortFormat.
namespace DateText {

/// The pattern for QDate::toString and date editors' displayFormat.
QString pattern();
/// "03/02/2024"; empty for an invalid date.
QString format(QDate date);
/// The date written as "dd/mm/yyyy"; invalid for any other text.
QDate parse(QStringView text);
/// The same, for 8-bit text read straight from a record.
QDate parse(QLatin1StringView text);

} // namespace DateText
