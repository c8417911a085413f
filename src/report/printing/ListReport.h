#pragma once

#include "report/ReportTemplate.h"

struct AppContext;
class QWidget;

// The printed list every list window shares: a landscape page with the title
// bar at the top of the first page, the lines in a fixed-pitch font running
// on over as many pages as they need, and one date bar after the last line.

/// The list template filled with the title and the lines, in their order.
/// Every line prints as one line, literally and cut at the right edge.
Report::ReportTemplate listReport(const QString &title, const QStringList &lines);

/// Prints the list on the system's printer: no preview and no question.
void printList(AppContext &context, QWidget *owner, const QString &title, const QStringList &lines);
