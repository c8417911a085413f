#pragma once

#include "checks/CheckReport.h"

/// Checks an Italian VAT number: 11 digits, the last one a check digit.
/// Any other character makes it Wrong.
CheckVerdict checkVatNumber(QStringView number);

/// The VAT office of a three-digit office code (characters 8 to 10 of a VAT
/// number); empty when the code is not in the office table.
QString vatOfficeName(QStringView officeCode);

/// What "Controlla" of the VAT number window shows for the box's text.
CheckReport vatNumberReport(QStringView boxText);

/// True when a card's tax code, trimmed, is to be checked as a VAT number: a
/// company's tax code is its VAT number, so any text of digits alone qualifies,
/// whatever its length (the check reports a wrong length).
bool isVatNumberTaxCode(QStringView trimmedCode);
