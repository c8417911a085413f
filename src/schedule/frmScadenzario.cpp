#include "schedule/frmScadenzario.h"

frmScadenzario::frmScadenzario(AppContext &, QWidget *mainMenu)
    : ArchiveWindow(QStringLiteral("frmScadenzario"), QStringLiteral(" Zampora - Scadenze e Appuntamenti"), mainMenu)
{
}
