#pragma once

#include "checks/CheckReport.h"

/// Checks a person's tax code (16 characters) by recomputing its check
/// character; letters a to z count as capitals. Only the check character is
/// verified, not which positions hold letters or digits, so codes altered for
/// homonyms pass. A character other than a digit or a capital letter in the
/// first 15 positions has no value in the tables and makes the code Wrong.
CheckVerdict checkTaxCode(QStringView code);

/// What "Controlla" of the tax code window shows for the box's text.
CheckReport taxCodeReport(QStringView boxText);
