#include "checks/OpenCheck.h"

#include "checks/VatNumberCheck.h"
#include "checks/frmCodFisc.h"
#include "checks/frmPartitaIva.h"

void openTaxCodeCheck(AppContext &context, QWidget *owner, const QString &codeBoxText)
{
    if (isVatNumberTaxCode(trimmedText(codeBoxText)))
        openCheckWindow<frmPartitaIva>(context, owner, codeBoxText);
    else
        openCheckWindow<frmCodFisc>(context, owner, codeBoxText);
}
