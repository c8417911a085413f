#pragma once

#include "checks/CheckReport.h"

/// Checks a 27-character IBAN (blanks inside count towards the length) by the
/// MOD 97-10 rule; letters a to z count as capitals and any sign other than a
/// letter, digit or blank makes it Wrong.
CheckVerdict checkIban(QStringView iban);

/// What "Controlla" of the IBAN window shows for the box's text.
CheckReport ibanReport(QStringView boxText);
