#pragma once

#include <QWidget>

// The access-password window, the application's main window and the first one
// shown. Until a password is chosen it lets the user straight through.
class frmPassword : public QWidget
{
    Q_OBJECT

public:
    explicit frmPassword(QWidget *parent = nullptr);

Q_SIGNALS:
    void accepted();
};
