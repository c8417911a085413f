#pragma once

#include "report/ReportPainter.h"

struct AppContext;
class QWidget;

// A filled template laid out on today's date and handed to the printer, the
// preview or a PDF file; a failure shows its error box over owner.
namespace ReportOutput {

void print(AppContext &context, QWidget *owner, const Report::ReportTemplate &report);
void preview(AppContext &context, QWidget *owner, const Report::ReportTemplate &report);
/// Writes the PDF file fileName in the program folder, titled documentTitle
/// (its subject too) and made by the program, then asks doneQuestion
/// ("…Si vuole aprire il file?") and opens the file on Yes. A name that
/// leads onto a file the program keeps (a link left in its place) is refused
/// with its message, and nothing is written.
void exportPdfAndOfferToOpen(AppContext &context, QWidget *owner, const Report::ReportTemplate &report,
                             const QString &fileName, const QString &documentTitle, const QString &doneQuestion);

/// A PDF document whose place the user chooses.
struct PlacedPdf
{
    QString proposedName;  // offered in the save dialog: pdfFileName()'s
    QString documentTitle; // the document's title and subject
    QString exported;      // what the closing question says was exported: "del pedigree"
};

/// Asks where to save the PDF file, in the folder the user last saved a
/// document into (at first the program folder), asks before replacing a
/// file and refuses one the program keeps; writes it, then asks whether to
/// open it, naming the file and its folder. Its boxes carry OK alone.
void savePdfAndOfferToOpen(AppContext &context, QWidget *owner, const Report::ReportTemplate &report,
                           const PlacedPdf &pdf);

/// A PDF file name made of words ("Pedigree", "Rex" gives "Pedigree_Rex.pdf"):
/// blanks and the characters some file system refuses in a name become "_".
QString pdfFileName(const QStringList &words);

/// The error box of a failed print.
QString printFailureMessage();
/// The error box of a PDF file that could not be written, with the system's reason.
QString pdfFailureMessage(const QString &reason);

} // namespace ReportOutput
