#pragma once

#include "report/ReportLayout.h"

#include <QPageLayout>

#include <optional>

class QPagedPaintDevice;
class QPainter;

namespace Report {

/// The sheet of the report without margins: prepared pages place everything
/// from the sheet's corner.
QPageLayout pageLayout(const PreparedReport &report);

/// Draws one page on a painter whose device is a sheet of the report's size,
/// with its origin in the sheet's corner.
void paintPage(QPainter &painter, const PreparedReport &report, int page);

/// Draws pages first to last (0-based) on device, a new sheet for each.
/// False when the device could not be painted on.
bool paintPages(QPagedPaintDevice &device, const PreparedReport &report, int first, int last);

struct PdfProperties
{
    QString title;
    QString subject;
    QString author;
    QString creator;
};

/// Writes the report as a PDF file at path without asking anything. An
/// earlier file there is replaced only by a complete new one; when writing
/// fails it stays as it was. Returns the system's reason for a failure.
std::optional<QString> exportPdf(const PreparedReport &report, const QString &path,
                                 const PdfProperties &properties = {});

} // namespace Report
