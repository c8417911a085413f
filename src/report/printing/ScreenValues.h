#pragma once

#include "report/printing/CardTexts.h"

class QWidget;

/// The trimmed text of every named text box, label, drop-down box and spin
/// box of window, and "Sì" or "No" for each named check box: what the card
/// shows, saved or not.
ScreenValues valuesOnScreen(const QWidget *window);
