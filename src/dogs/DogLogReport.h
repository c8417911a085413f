#pragma once

#include "report/ReportTemplate.h"

#include <span>

class DogLogModel;

// The printed page every log of a dog shares (its weighings, its health
// booklet): A4 with its margins, the log's title on top, the table of entries
// as the window shows it (a log too long for the page goes on over the next
// ones) and the day it was printed at the foot. Each log adds its own bands
// (a chart, the dog's identity) between the title and the table.
namespace DogLogReport {

/// Where a column of the table stands on the page, in millimetres from the
/// margin, and how its texts are aligned.
struct Column
{
    qreal left;
    qreal width;
    Qt::Alignment alignment;
};

/// The width of the page inside its margins.
qreal width();

/// A new page with the title band.
Report::ReportTemplate page(const QString &title);

/// The captions of table's columns over a shaded band, then every row in
/// pointSize type; emptyText stands in a band named bandName when there is
/// no row.
void addTable(Report::ReportTemplate &report, const DogLogModel &table, std::span<const Column> columns,
    qreal pointSize, const QString &bandName, const QString &emptyText);

/// The closing band: "Stampa eseguita in data" and the day of printing.
void addPrintDate(Report::ReportTemplate &report);

} // namespace DogLogReport
