#pragma once

// The comma as decimal separator, and no thousands separator written or
// accepted, for every number converted through the default QLocale, whatever
// the machine's regional settings. Dates go through DateText: the Italian
// locale's short date format has a two-digit year.
void applyProcessFormats();
