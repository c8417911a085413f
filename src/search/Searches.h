#pragma once

#include "search/SearchDescription.h"

// The three search windows; open one with SearchWindow::open, naming the
// file searched and where a chosen record goes.
namespace Searches {

/// frmTrovaCani: over the dog archive, from the dog card (the card chosen
/// replaces it) and from the schedule (the dog and owner fields of its entry).
const SearchDescription &dogs();
/// frmTrovaClienti: over the owner archive, from the owner card (the card
/// chosen replaces it) and from the dog card (its owner fields).
const SearchDescription &owners();
/// frmTrovaScadenzario: over the year file the schedule window shows, from
/// that window (the entry chosen replaces its card).
const SearchDescription &schedule();

} // namespace Searches
