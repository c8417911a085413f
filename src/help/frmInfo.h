#pragma once

#include <QDialog>

struct AppContext;

// The information window: what the application is, and a link that writes
// an e-mail to the maker's support address.
class frmInfo : public QDialog
{
    Q_OBJECT

public:
    frmInfo(AppContext &context, QWidget *owner);
};
