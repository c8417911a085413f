#pragma once

#include "report/ReportTemplate.h"

class WeightTable;

/// The printed weight log of a dog on an A4 page: the title, the weight chart
/// drawn as a picture, and the table of weighings as the window shows it (a
/// log too long for the page goes on over the next ones).
Report::ReportTemplate weightReport(const QString &title, const WeightTable &table);
