#include "checks/frmCodFisc.h"

#include "checks/TaxCodeCheck.h"
#include "ui/Theme.h"

frmCodFisc::frmCodFisc(AppContext &context, QWidget *owner, const QString &preset)
    : CheckWindow(context, owner, preset,
        { .objectName = QStringLiteral("frmCodFisc"),
            .caption = QStringLiteral(" Controllo codice fiscale"),
            .clientSize = { 478, 254 },
            .backgroundTop = Theme::colour(Theme::Colour::TaxCodeBackdrop),
            .logo = QStringLiteral(":/checks/codfisc.svg"),
            .instruction = QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
            .boxName = QStringLiteral("txtCodFisc"),
            .boxLimit = 16,
            .keys = CheckWindowDescription::Keys::All,
            .tidying = CheckWindowDescription::Tidying::OnUserEdit,
            .check = taxCodeReport })
{
}
