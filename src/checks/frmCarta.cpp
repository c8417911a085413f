#include "checks/frmCarta.h"

#include "checks/PaymentCardCheck.h"

frmCarta::frmCarta(AppContext &context, QWidget *owner, const QString &preset)
    : CheckWindow(context, owner, preset,
        { .objectName = QStringLiteral("frmCarta"),
            .caption = QStringLiteral(" Controllo carta di credito"),
            .clientSize = { 519, 254 },
            .backgroundTop = QColor(0xFF191970),
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
