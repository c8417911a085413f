#pragma once

#include "checks/CheckReport.h"

/// What "Controlla" of the payment card window shows for the box's text: the
/// Luhn check digit over the digits among the first 20 characters, then the
/// card type from the leading digits.
CheckReport paymentCardReport(QStringView boxText);
