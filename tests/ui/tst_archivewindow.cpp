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
};

ZAMPORA_GUI_TEST_MAIN(tst_ArchiveWindow)
#include "tst_archivewindow.moc"
