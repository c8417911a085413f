#pragma once

#include "checks/CheckWindow.h"

// The VAT number check window: checks the check digit and names the issuing office.
class frmPartitaIva : public CheckWindow
{
    Q_OBJECT

public:
    frmPartitaIva(AppContext &context, QWidget *owner, const QString &preset);
};
