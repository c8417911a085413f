#include "checks/frmCarta.h"

#include "checks/PaymentCardCheck.h"
#include "ui/Theme.h"

frmCarta::frmCarta(AppContext &context, QWidget *owner, const QString &preset)
    : CheckWindow(context, owner, preset,
        { .objectName = QStringLiteral("frmCarta"),
            .caption = QStringLiteral(" Controllo carta di credito"),
            .clientSize = { 519, 254 },
            .backgroundTop = Theme::colour(Theme::Colour::PaymentBackdrop),
            .logo = QStringLiteral(":/checks/carta.svg"),
            .instruction
            = QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."),
            .boxName = QStringLiteral("txtNumero"),
            .boxLimit = 30,
            .keys = CheckWindowDescription::Keys::DigitsAndEditing,
            .tidying = CheckWindowDescription::Tidying::OnKeyRelease,
            .check = paymentCardReport })
{
}
