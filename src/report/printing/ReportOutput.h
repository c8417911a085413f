#pragma once

#include "report/ReportPainter.h"

struct AppContext;
class QWidget;

// A filled template laid out on today's date and handed to the printer, the
// preview or a PDF file; a failure shows its error box over owner.
namespace ReportOutput {

void print(AppContext &context, QWidget *owner, const Report::ReportTemplate &report);
void preview(AppContext &context, QWidget *owner, const Report::ReportTemplate &report);
/// Writes the PDF file; false, after the error box, when it could not be written.
bool exportPdf(AppContext &context, QWidget *owner, const Report::ReportTemplate &report,
               const QString &path, const Report::PdfProperties &properties);

/// Writes the PDF file fileName in the program folder, titled documentTitle
/// (its subject too) and made by the program, then asks doneQuestion
/// ("…Si vuole aprire il file?") and opens the file on Yes. A name that
/// leads onto a file the program keeps (a link left in its place) is refused
/// with its message, and nothing is written.
void exportPdfAndOfferToOpen(AppContext &context, QWidget *owner, const Report::ReportTemplate &report,
                             const QString &fileName, const QString &documentTitle, const QString &doneQuestion);

/// The error box of a failed print.
QString printFailureMessage();
/// The error box of a PDF file that could not be written, with the system's reason.
QString pdfFailureMessage(const QString &reason);

} // namespace ReportOutput
