#pragma once

#include "checks/CheckWindow.h"

// The tax code check window: recomputes a person's tax code check character.
class frmCodFisc : public CheckWindow
{
    Q_OBJECT

public:
    frmCodFisc(AppContext &context, QWidget *owner, const QString &preset);
};
