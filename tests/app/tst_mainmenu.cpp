#include "AppFixture.h"

#include "app/frmAvvio.h"
#include "app/frmPassword.h"
#include "dogs/frmCani.h"
#include "owners/frmClienti.h"
#include "schedule/frmScadenzario.h"

#include <QSignalSpy>

class tst_MainMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<AppFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void startsOnTheMainMenu()
    {
        QVERIFY(m_fixture->app().mainMenu().isVisible());
        QVERIFY(!m_fixture->app().password().isVisible());
    }

    void archiveWindows_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        for (auto [picture, button, window, caption] : {
                 std::tuple{"imgProprietari", "btnProprietari", "frmClienti", " Zampora - Anagrafica Proprietari"},
                 std::tuple{"imgCani", "btnCani", "frmCani", " Zampora - Anagrafica Cani"},
                 std::tuple{"imgScadenze", "btnScadenze", "frmScadenzario", " Zampora - Scadenze e Appuntamenti"}}) {
            QTest::newRow(picture) << QString::fromLatin1(picture) << QString::fromLatin1(window) << QString::fromUtf8(caption);
            QTest::newRow(button) << QString::fromLatin1(button) << QString::fromLatin1(window) << QString::fromUtf8(caption);
        }
    }

    // Each archive opens from its picture and its button, hides the menu, and
    // closing it by the title bar brings the same menu back; twice, to show
    // that the same window instance is reused.
    void archiveWindows()
    {
        QFETCH(QString, control);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        frmAvvio &menu = m_fixture->app().mainMenu();
        for (int round = 0; round < 2; ++round) {
            click(child(&menu, control.toLatin1().constData()));
            QWidget *archive = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->objectName() == window)
                    archive = w;
            QVERIFY(archive);
            QVERIFY(archive->isVisible());
            QCOMPARE(archive->windowTitle(), caption);
            QVERIFY(!menu.isVisible());
            QVERIFY(archive->close());
            QVERIFY(!archive->isVisible());
            QVERIFY(menu.isVisible());
        }
    }

    void exitPictureAndCloseButtonEndTheApplication()
    {
        QSignalSpy quit(&m_fixture->app(), &Application::quitRequested);
        click(child(&m_fixture->app().mainMenu(), "imgEsci"));
        QCOMPARE(quit.size(), 1);
        m_fixture->app().mainMenu().close();
        QCOMPARE(quit.size(), 2);
    }

    void websiteStripOpensTheSiteThroughTheShell()
    {
        click(child(&m_fixture->app().mainMenu(), "imgSito"));
        QCOMPARE(m_fixture->doubles.shell.opened.size(), 1);
        QVERIFY(m_fixture->doubles.shell.opened.first().startsWith(QLatin1String("https://")));
    }

private:
    std::unique_ptr<AppFixture> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_MainMenu)
#include "tst_mainmenu.moc"
