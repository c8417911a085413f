#pragma once

#include "checks/CheckWindow.h"

// The IBAN check window: checks a 27-character IBAN by its check digits.
class frmIban : public CheckWindow
{
    Q_OBJECT

public:
    frmIban(AppContext &context, QWidget *owner, const QString &preset);
};
