#include "AppFixture.h"
#include "ui/ArchiveWindow.h"

#include <QPointer>
#include <QWindow>

class tst_ArchiveWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Closed by its own code or by the window system's close request, the
    // window hides, brings the menu back and stays alive for its next opening.
    void closingShowsTheMenuAndKeepsTheWindow_data()
    {
        QTest::addColumn<bool>("fromWindowSystem");
        QTest::newRow("close()") << false;
        QTest::newRow("title bar") << true;
    }

    void closingShowsTheMenuAndKeepsTheWindow()
    {
        QFETCH(bool, fromWindowSystem);
        QWidget menu;
        auto *window = new ArchiveWindow(QStringLiteral("frmProva"), QStringLiteral(" Prova"), &menu);
        QPointer<ArchiveWindow> alive(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));

        if (fromWindowSystem)
            QVERIFY(window->windowHandle()->close());
        else
            QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QVERIFY(alive);
        QVERIFY(menu.isVisible());
        QVERIFY(!window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral(" Prova"));
        delete window;
    }

    // Where the desktop does not maximise the window, it shows its whole
    // panel rather than the toolkit's default strip; later sizes stay.
    void firstShowTakesThePanelSize()
    {
        QWidget menu;
        ArchiveWindow window(QStringLiteral("frmProva"), QStringLiteral(" Prova"), &menu);
        auto *background = new QWidget(&window);
        auto *panel = new QWidget(background);
        panel->setFixedSize(995, 692);
        (new QWidget(panel))->setFixedSize(148, 32); // a smaller fixed part
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(995, 692));

        window.hide();
        window.resize(700, 500);
        window.show();
        QCOMPARE(window.size(), QSize(700, 500));
    }
};

ZAMPORA_GUI_TEST_MAIN(tst_ArchiveWindow)
#include "tst_archivewindow.moc"
