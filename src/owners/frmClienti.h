#pragma once

#include "ui/ArchiveWindow.h"

struct AppContext;

// The owner card window.
class frmClienti : public ArchiveWindow
{
    Q_OBJECT

public:
    frmClienti(AppContext &context, QWidget *mainMenu);
};
