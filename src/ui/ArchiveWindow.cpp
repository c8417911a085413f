#include "ui/ArchiveWindow.h"

#include <QCloseEvent>

ArchiveWindow::ArchiveWindow(const QString &objectName, const QString &caption, QWidget *mainMenu)
    : QWidget(nullptr), m_mainMenu(mainMenu)
{
    setObjectName(objectName);
    setWindowTitle(caption);
}

void ArchiveWindow::closeEvent(QCloseEvent *event)
{
    // Show the menu before hiding, so there is never a moment without a window.
    m_mainMenu->show();
    event->accept();
}
