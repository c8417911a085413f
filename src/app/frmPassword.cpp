#include "app/frmPassword.h"

frmPassword::frmPassword(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral(" Zampora - Autenticazione"));
}
