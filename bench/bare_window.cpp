// The yardstick of the first window: a bare Qt window, shown maximised as
// the password window is, in a program that links what Zampora links.

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Finestra vuota"));
    window.show();
    return application.exec();
}
