#pragma once

#include "ui/ArchiveWindow.h"

struct AppContext;

// The dog card window.
class frmCani : public ArchiveWindow
{
    Q_OBJECT

public:
    frmCani(AppContext &context, QWidget *mainMenu);
};
