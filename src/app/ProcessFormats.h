#pragma once

// Dates as "dd/mm/yyyy" and the comma as decimal separator for every
// conversion through QLocale, whatever the machine's regional settings.
void applyProcessFormats();
