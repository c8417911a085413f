#include "AppFixture.h"

#include "app/frmAvvio.h"
#include "app/frmPassword.h"
#include "dogs/frmCani.h"
#include "owners/frmClienti.h"
#include "schedule/frmScadenzario.h"
#include "kennel/HealthBooklet.h"
#include "storage/DogRecord.h"
#include "storage/HealthRecord.h"
#include "RecordBytes.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLocale>
#include <QComboBox>
#include <QSignalSpy>
#include <QTableView>

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
        for (auto [picture, button, window, caption] :
            { std::tuple {
                  "imgProprietari", "btnProprietari", "frmClienti", " Zampora - Anagrafica Proprietari" },
                std::tuple { "imgCani", "btnCani", "frmCani", " Zampora - Anagrafica Cani" },
                std::tuple { "imgScadenze", "btnScadenze", "frmScadenzario",
                    " Zampora - Scadenze e Appuntamenti" } }) {
            QTest::newRow(picture) << QString::fromLatin1(picture) << QString::fromLatin1(window)
                                   << QString::fromUtf8(caption);
            QTest::newRow(button) << QString::fromLatin1(button) << QString::fromLatin1(window)
                                  << QString::fromUtf8(caption);
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

    // The panel stays centred on the common screen sizes, on the gradient.
    void panelIsCentred_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::newRow("1366 x 768") << QSize(1366, 768);
        QTest::newRow("1920 x 1080") << QSize(1920, 1080);
    }

    void panelIsCentred()
    {
        QFETCH(QSize, window);
        frmAvvio &menu = m_fixture->app().mainMenu();
        QVERIFY(menu.windowState() & Qt::WindowMaximized);
        menu.showNormal();
        menu.resize(window);
        QWidget *panel = child(&menu, "panAvvio");
        QCOMPARE(panel->size(), frmAvvio::panelSize);
        QCOMPARE(panel->mapTo(&menu, QPoint(0, 0)),
            QPoint((window.width() - 995) / 2, (window.height() - 692) / 2));
        const QImage image = menu.grab().toImage();
        QCOMPARE(image.pixelColor(window.width() / 2, 0), QColor(0x5D, 0x85, 0xA6));
        QCOMPARE(image.pixelColor(window.width() / 2, window.height() - 1).lightness(), 255);
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("words"); // empty for the pictures that are not buttons
        const auto row = [](const char *name, QRect geometry, const char *words = "") {
            QTest::newRow(name) << QString::fromLatin1(name) << geometry << QString::fromUtf8(words);
        };
        row("imgInfo", { 14, 14, 30, 30 }, "Informazioni");
        row("imgIcona", { 110, 19, 66, 68 });
        row("imgTitolo", { 194, 26, 679, 63 });
        row("imgGuida", { 952, 16, 29, 28 }, "Guida");
        row("imgSottotitolo", { 17, 100, 961, 22 });
        row("imgProprietari", { 18, 152, 308, 368 }, "Anagrafica proprietari");
        row("imgCani", { 344, 152, 308, 368 }, "Anagrafica cani");
        row("imgScadenze", { 670, 152, 308, 368 }, "Scadenze e appuntamenti");
        row("btnProprietari", { 17, 529, 306, 73 }, "Anagrafica proprietari");
        row("btnCani", { 343, 529, 306, 73 }, "Anagrafica cani");
        row("btnScadenze", { 669, 529, 306, 73 }, "Scadenze e appuntamenti");
        row("imgSito", { 17, 628, 961, 22 }, "www.zampora.it");
        row("imgCopyright", { 16, 660, 23, 22 }, "Copyright");
        row("imgEsci", { 960, 662, 17, 18 }, "Esci");
    }

    // Each picture sits at its place in the panel and its artwork loads at
    // exactly that size (an artwork that fails to load has a different size
    // hint). Buttons show a hand and are named for assistive tools by the
    // words they show; plain pictures react to nothing.
    void pictures()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, words);
        QWidget *picture = child(&m_fixture->app().mainMenu(), name.toLatin1().constData());
        QCOMPARE(picture->parentWidget()->objectName(), QStringLiteral("panAvvio"));
        QCOMPARE(picture->geometry(), geometry);
        QCOMPARE(picture->sizeHint(), geometry.size());
        const bool isButton = qobject_cast<QAbstractButton *>(picture) != nullptr;
        QCOMPARE(isButton, !words.isEmpty());
        if (isButton) {
            QCOMPARE(picture->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name), words);
        }
    }

    // Set by the menu whatever the machine's regional settings were; a
    // thousands separator is neither written nor read.
    void processFormats()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        frmAvvio menu;
        QCOMPARE(QLocale().toString(1234.5, 'f', 2), QStringLiteral("1234,50"));
        QCOMPARE(QLocale().toString(1234567.125, 'f', 3), QStringLiteral("1234567,125"));
        QCOMPARE(QLocale().toDouble(QStringLiteral("1234,5")), 1234.5);
        bool ok = true;
        QLocale().toDouble(QStringLiteral("1.500"), &ok);
        QVERIFY(!ok);
    }

    // A health booklet's row of the imminent list opens the dog's booklet on
    // that entry: the schedule and the dog's windows meet only here.
    void imminentHealthRowOpensTheBooklet()
    {
        AppFixture &f = *m_fixture;
        f.writeFile(DogRecord::fileName,
            recordBytes(DogRecord::layout(), { { DogRecord::Nome, QStringLiteral("Rex") } }));
        for (const char *what : { "cimurro", "rabbia" }) {
            HealthBooklet::Entry entry;
            entry.dog = 1;
            entry.date = QDate(2023, 3, 1);
            entry.what = QString::fromLatin1(what);
            entry.due = QDate(2024, 3, 1);
            HealthBooklet::add(f.path(HealthRecord::fileName()), entry);
        }
        QString opened;
        whenModalShown([&opened](QWidget *list) {
            whenModalShown([&opened](QWidget *booklet) {
                opened = booklet->objectName() + u' ' + child<QComboBox>(booklet, "txtCosa")->currentText();
                booklet->close();
            });
            auto *rows = child<QTableView>(list, "grdRecords");
            const QPoint second = rows->visualRect(rows->model()->index(1, 1)).center();
            QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, second);
            QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, second);
            click(child(list, "cmdEsci"));
        });
        f.openFromMenu("btnScadenze", &f.app().schedule());
        click(child(&f.app().schedule(), "btnOK"));
        QCOMPARE(opened, QStringLiteral("frmSaluteCane rabbia"));
    }

private:
    std::unique_ptr<AppFixture> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_MainMenu)
#include "tst_mainmenu.moc"
