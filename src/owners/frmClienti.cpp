#include "owners/frmClienti.h"

frmClienti::frmClienti(AppContext &, QWidget *mainMenu)
    : ArchiveWindow(QStringLiteral("frmClienti"), QStringLiteral(" Zampora - Anagrafica Proprietari"), mainMenu)
{
}
