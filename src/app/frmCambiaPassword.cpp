#include "app/frmCambiaPassword.h"

frmCambiaPassword::frmCambiaPassword(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));
}
