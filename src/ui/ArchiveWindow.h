#pragma once

#include <QWidget>

// A long-lived archive window (owners, dogs, schedule). Closing it in any way
// shows the main menu again and hides this window; it is never destroyed
// while the application runs.
class ArchiveWindow : public QWidget
{
    Q_OBJECT

public:
    ArchiveWindow(const QString &objectName, const QString &caption, QWidget *mainMenu);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *m_mainMenu;
};
