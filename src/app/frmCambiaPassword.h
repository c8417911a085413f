#pragma once

#include <QWidget>

// The change-password window.
class frmCambiaPassword : public QWidget
{
    Q_OBJECT

public:
    explicit frmCambiaPassword(QWidget *parent = nullptr);
};
