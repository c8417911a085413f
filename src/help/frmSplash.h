#pragma once

#include <QDialog>

struct AppContext;

// The splash window: the product artwork and a link to the maker's web site,
// centred over the window that opens it.
class frmSplash : public QDialog
{
    Q_OBJECT

public:
    frmSplash(AppContext &context, QWidget *owner);
};
