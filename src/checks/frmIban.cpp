#include "checks/frmIban.h"

#include "checks/IbanCheck.h"
#include "ui/Theme.h"

frmIban::frmIban(AppContext &context, QWidget *owner, const QString &preset)
    : CheckWindow(context, owner, preset,
        { .objectName = QStringLiteral("frmIban"),
            .caption = QStringLiteral(" Controllo IBAN"),
            .clientSize = { 608, 270 },
            .backgroundTop = Theme::colour(Theme::Colour::PaymentBackdrop),
            .logo = QStringLiteral(":/checks/iban.svg"),
            .instruction = QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
            .boxName = QStringLiteral("txtIban"),
            .boxLimit = 27,
            .keys = CheckWindowDescription::Keys::All,
            .tidying = CheckWindowDescription::Tidying::OnKeyRelease,
            .check = ibanReport })
{
}
