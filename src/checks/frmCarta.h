#pragma once

#include "checks/CheckWindow.h"

// The payment card check window: checks the number and names the card type.
class frmCarta : public CheckWindow
{
    Q_OBJECT

public:
    frmCarta(AppContext &context, QWidget *owner, const QString &preset);
};
