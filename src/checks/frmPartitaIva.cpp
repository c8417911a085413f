#include "checks/frmPartitaIva.h"

#include "checks/VatNumberCheck.h"
#include "ui/Theme.h"

frmPartitaIva::frmPartitaIva(AppContext &context, QWidget *owner, const QString &preset)
    : CheckWindow(context, owner, preset,
        { .objectName = QStringLiteral("frmPartitaIva"),
            .caption = QStringLiteral(" Controllo partita IVA"),
            .clientSize = { 480, 254 },
            .backgroundTop = Theme::colour(Theme::Colour::VatNumberBackdrop),
            .logo = QStringLiteral(":/checks/partitaiva.svg"),
            .instruction
            = QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
            .boxName = QStringLiteral("txtPartitaIva"),
            .boxLimit = 11,
            .keys = CheckWindowDescription::Keys::DigitsAndEditing,
            .tidying = CheckWindowDescription::Tidying::Never,
            .check = vatNumberReport })
{
}
