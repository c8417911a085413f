#include "dogs/frmCani.h"

frmCani::frmCani(AppContext &, QWidget *mainMenu)
    : ArchiveWindow(QStringLiteral("frmCani"), QStringLiteral(" Zampora - Anagrafica Cani"), mainMenu)
{
}
