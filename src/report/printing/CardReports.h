#pragma once

#include "report/ReportTemplate.h"
#include "report/printing/CardTexts.h"
#include "storage/RecordTexts.h"

// The printed cards, one A4 portrait page each, filled with what the card
// windows show. Every text prints literally.

/// The dog card: its name, photo, 22 value boxes, notes and footer. dog
/// holds the values of a record of the dog layout, as the card shows them.
Report::ReportTemplate dogCardReport(const RecordTexts &dog, const QImage &photo, const QString &footer);

/// The layout the owner card and the schedule entry card share: logo, title,
/// 24 rows of label and value, footer.
Report::ReportTemplate infoCardReport(const QString &title, const QList<CardTexts::Row> &rows,
                                      const QString &footer);

/// "SCHEDA ANAGRAFICA PROPRIETARIO" with the owner card's values.
Report::ReportTemplate ownerCardReport(const ScreenValues &values, const QDateTime &now);
/// "SCHEDA SCADENZA / APPUNTAMENTO" with the schedule window's values.
Report::ReportTemplate scheduleCardReport(const ScreenValues &values, const QDateTime &now);

/// A picture of the program's artwork at the given size in pixels.
QImage artworkImage(const QString &resource, QSize size);
