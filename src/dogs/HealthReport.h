#pragma once

#include "report/ReportTemplate.h"

#include <QStringList>

class HealthTable;

/// The printed health booklet of a dog on A4 pages: the title, the dog's
/// identity (lines such as "Microchip: 380260000412345") and the table of
/// entries as the window shows it, with their due dates and states (a
/// booklet too long for the page goes on over the next ones).
Report::ReportTemplate healthReport(const QString &title, const QStringList &identity, const HealthTable &table);
