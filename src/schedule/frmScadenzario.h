#pragma once

#include "ui/ArchiveWindow.h"

struct AppContext;

// The schedule window of one year.
class frmScadenzario : public ArchiveWindow
{
    Q_OBJECT

public:
    frmScadenzario(AppContext &context, QWidget *mainMenu);
};
