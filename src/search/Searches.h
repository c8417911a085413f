#pragma once

#include "search/SearchDescription.h"

// The three search windows and where each sends a chosen record; open one
// with SearchWindow::open.
namespace Searches {

/// frmTrovaCani: the dog archive, loaded into the dog card (mode "cani") or
/// into the dog and owner fields of the schedule entry (mode "scadenzario").
const SearchDescription &dogs();
/// frmTrovaClienti: the owner archive, loaded into the owner card (mode
/// "clienti") or into the owner fields of the dog card (mode "cani").
const SearchDescription &owners();
/// frmTrovaScadenzario: the year file shown in the schedule window (its
/// hidden label `lblFile`), loaded into the schedule entry (mode "Scadenzario").
const SearchDescription &schedule();

} // namespace Searches
