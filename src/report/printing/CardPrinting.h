#pragma once

#include "report/printing/CardTexts.h"

struct AppContext;
class QWidget;

// Printing, previewing and writing as PDF the owner card and the schedule
// entry card. Each takes the values the window shows, normally
// valuesOnScreen(window), so unsaved changes are printed too.
namespace CardPrinting {

/// The owner card's PDF file, in the program folder.
QString ownerPdfName();

void printOwnerCard(AppContext &context, QWidget *owner, const ScreenValues &values);
void previewOwnerCard(AppContext &context, QWidget *owner, const ScreenValues &values);
/// Writes the owner card as "Proprietario.pdf" in the program folder,
/// replacing an earlier one without asking, then asks whether to open it.
void exportOwnerCardPdf(AppContext &context, QWidget *owner, const ScreenValues &values);

void printScheduleCard(AppContext &context, QWidget *owner, const ScreenValues &values);

} // namespace CardPrinting
