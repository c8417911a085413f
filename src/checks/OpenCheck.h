#pragma once

#include "storage/ShortText.h"

#include <QString>

struct AppContext;
class QWidget;

/// Shows the check window W modally over owner with the opener's text,
/// trimmed, in its box; the window is destroyed when it closes.
template<typename W> void openCheckWindow(AppContext &context, QWidget *owner, const QString &openerText)
{
    W window(context, owner, trimmedText(openerText));
    window.exec();
}

/// The tax code button (`btnCodFisc`) of the dog card, the owner card and the
/// schedule entry: an all-digit code is a company's VAT number and opens the
/// VAT number check; anything else, empty text included, the tax code check.
void openTaxCodeCheck(AppContext &context, QWidget *owner, const QString &codeBoxText);
