#include "AppFixture.h"

#include "app/frmAvvio.h"
#include "app/frmCambiaPassword.h"
#include "app/frmPassword.h"
#include "core/AccessPassword.h"
#include "storage/ProgramFolder.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest/qtestspontaneevent.h>

using Kind = MessageBoxes::Kind;
using Shown = RecordingMessageBoxes::Shown;

namespace {
const QString wrongPassword = QStringLiteral("Attenzione: password errata.");
const QString settingsFile = QString::fromLatin1(settingsFileName);
}

// The password window and the change-password window, driven as the user
// would from the start of the application.
class tst_PasswordWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_f = std::make_unique<AppFixture>(AppFixture::Start::PasswordWindow);
        QVERIFY(QTest::qWaitForWindowExposed(password()));
    }
    void cleanup() { m_f.reset(); }

    void startsAtThePasswordWindow()
    {
        QVERIFY(password()->isVisible());
        QVERIFY(!m_f->app().mainMenu().isVisible());
        QCOMPARE(password()->windowTitle(), QStringLiteral(" Zampora - Autenticazione"));
        QVERIFY(!(password()->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(password()->minimumSize(), password()->maximumSize());
        QCOMPARE(box()->echoMode(), QLineEdit::Password);
        QCOMPARE(password()->focusWidget(), box());
        QVERIFY(!ok()->isEnabled());
        // The yellow rectangle behind the box that has the focus.
        QVERIFY(QTest::qWaitForWindowActive(password()));
        QWidget *rectangle = child(password(), "shpPassword");
        QVERIFY(rectangle->isVisible());
        QVERIFY(rectangle->geometry().contains(box()->geometry()));
    }

    // OK follows the text: enabled for any non-blank text, Enter acting as OK
    // only then.
    void okFollowsTheText()
    {
        QTest::keyClicks(box(), QStringLiteral("  "));
        QVERIFY(!ok()->isEnabled());
        QTest::keyClick(box(), Qt::Key_Return);
        QVERIFY(m_f->doubles.messages.shown.isEmpty());
        QTest::keyClicks(box(), QStringLiteral("x"));
        QVERIFY(ok()->isEnabled());
        QTest::keyClick(box(), Qt::Key_Backspace);
        QVERIFY(!ok()->isEnabled());
    }

    void rightPasswordOpensTheMainMenu_data()
    {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("OK") << false;
        QTest::newRow("Enter") << true;
    }

    void rightPasswordOpensTheMainMenu()
    {
        QFETCH(bool, byEnter);
        QTest::keyClicks(box(), QStringLiteral(" zAmpora "));
        if (byEnter)
            QTest::keyClick(box(), Qt::Key_Return);
        else
            click(ok());
        QVERIFY(m_f->doubles.messages.shown.isEmpty());
        QVERIFY(m_f->app().mainMenu().isVisible());
        QVERIFY(!password()->isVisible());
    }

    // A wrong password: the message, an empty box with the focus, OK disabled again.
    void wrongPasswordEmptiesTheBox()
    {
        QTest::keyClicks(box(), QStringLiteral("ZAMPORA1"));
        click(ok());
        QCOMPARE(m_f->doubles.messages.takeOnly(), (Shown { Kind::Notice, wrongPassword }));
        QCOMPARE(box()->text(), QString());
        QCOMPARE(password()->focusWidget(), box());
        QVERIFY(!ok()->isEnabled());
        QVERIFY(password()->isVisible());
    }

    // Without the settings file no password can be right: the message says
    // what is missing and how to put it back, in both windows, and the typed
    // text stays.
    void missingSettingsFileIsNamed()
    {
        QVERIFY(QFile::remove(m_f->path(settingsFile)));
        const Shown missing { Kind::Notice,
            QString::fromUtf8("Attenzione: nella cartella del programma manca il file delle impostazioni unins000.dll, "
                              "che custodisce la password: senza di esso non è possibile entrare.\n\r\n\r"
                              "Per rimediare, copiare nella cartella %1 il file unins000.dll di una copia di "
                              "sicurezza (la copia di sicurezza è un normale file ZIP, che si apre con qualsiasi "
                              "programma di archiviazione).")
                .arg(QDir::toNativeSeparators(QFileInfo(m_f->path(settingsFile)).absolutePath())) };
        QTest::keyClicks(box(), QStringLiteral("ZAMPORA"));
        click(ok());
        QCOMPARE(m_f->doubles.messages.takeOnly(), missing);
        QCOMPARE(box()->text(), QStringLiteral("ZAMPORA"));
        QVERIFY(password()->isVisible());

        openChangeWindow();
        fill(QStringLiteral("ZAMPORA"), QStringLiteral("Fido"), QStringLiteral("Fido"));
        QCOMPARE(m_f->doubles.messages.takeOnly(), missing);
        QVERIFY(!QFile::exists(m_f->path(settingsFile)));
    }

    // A settings file that exists but holds no readable password gives the
    // reading error, even for the delivered password; the box keeps its text.
    void damagedSettingsAreAReadingError_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray stored = AccessPassword::scramble(AccessPassword::initialPassword()).toLatin1();
        QTest::newRow("damaged value") << QByteArray("[Accesso]\r\nValore=5Z\r\n");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("garbage bytes") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\xFF[\xE8]=", 21);
        QTest::newRow("section without Valore") << QByteArray("[Accesso]\r\nValor=" + stored + "\r\n");
        QTest::newRow("Valore under another section")
            << QByteArray("[Altro]\r\nValore=" + stored + "\r\n[Accesso]\r\nAltro=1\r\n");
    }

    void damagedSettingsAreAReadingError()
    {
        QFETCH(QByteArray, file);
        m_f->writeFile(settingsFile, file);
        QTest::keyClicks(box(), QStringLiteral("ZAMPORA"));
        click(ok());
        QCOMPARE(m_f->doubles.messages.takeOnly(),
            (Shown { Kind::Notice,
                QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                               "password. Si consiglia di reinstallare il software.") }));
        QCOMPARE(box()->text(), QStringLiteral("ZAMPORA"));
        QVERIFY(password()->isVisible());
        QVERIFY(!m_f->app().mainMenu().isVisible());
    }

    // Neither window closes from the title bar; "Esci" ends the application.
    void titleBarCannotClose()
    {
        for (QWidget *window : { static_cast<QWidget *>(password()), static_cast<QWidget *>(change()) }) {
            QCloseEvent fromTitleBar;
            QSpontaneKeyEvent::setSpontaneous(&fromTitleBar);
            static_cast<QObject *>(window)->event(&fromTitleBar);
            QVERIFY(!fromTitleBar.isAccepted());
            QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
        }
        QSignalSpy quit(&m_f->app(), &Application::quitRequested);
        click(child(password(), "cmdEsci"));
        QCOMPARE(quit.size(), 1);
        QVERIFY(!password()->isVisible());
    }

    // The change window replaces the password window with three empty boxes;
    // Enter goes round them; OK needs all three.
    void changeWindowOpensEmpty()
    {
        openChangeWindow();
        QCOMPARE(change()->windowTitle(), QStringLiteral(" Cambia password"));
        for (QLineEdit *b : boxes()) {
            QCOMPARE(b->text(), QString());
            QCOMPARE(b->echoMode(), QLineEdit::Password);
        }
        QCOMPARE(change()->focusWidget(), boxes()[0]);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!changeOk()->isEnabled());
            QTest::keyClicks(boxes()[i], QStringLiteral("a"));
            QTest::keyClick(boxes()[i], Qt::Key_Return);
            QCOMPARE(change()->focusWidget(), boxes()[(i + 1) % 3]);
        }
        QVERIFY(changeOk()->isEnabled());
        QTest::keyClicks(boxes()[1], QStringLiteral(" "));
        boxes()[1]->setText(QStringLiteral(" "));
        QVERIFY(!changeOk()->isEnabled());

        // Leaving by "Chiudi" and coming back: the boxes are empty again.
        click(child(change(), "cmdEsci"));
        QVERIFY(!change()->isVisible());
        QVERIFY(password()->isVisible());
        openChangeWindow();
        QCOMPARE(boxes()[0]->text(), QString());
    }

    // After a change the password window comes back empty; the new password
    // opens the main menu, the old one no longer does, and the file holds it.
    void successfulChange()
    {
        QTest::keyClicks(box(), QStringLiteral("typed before"));
        openChangeWindow();
        fill(QStringLiteral("zampora"), QStringLiteral("Nuova1"), QStringLiteral(" Nuova1"));
        QCOMPARE(m_f->doubles.messages.takeOnly(),
            (Shown { Kind::Notice, QStringLiteral("Modifica della password completata con successo.") }));
        QVERIFY(!change()->isVisible());
        QVERIFY(password()->isVisible());
        QCOMPARE(box()->text(), QString());
        QCOMPARE(password()->focusWidget(), box());
        QCOMPARE(m_f->readFile(settingsFile),
            "[Accesso]\r\nValore=" + AccessPassword::scramble(QStringLiteral("NUOVA1")).toLatin1() + "\r\n");

        m_f->enterPassword(QStringLiteral("ZAMPORA"));
        QCOMPARE(m_f->doubles.messages.takeOnly(), (Shown { Kind::Notice, wrongPassword }));
        m_f->enterPassword(QStringLiteral("nuova1"));
        QVERIFY(m_f->app().mainMenu().isVisible());
    }

    void refusedChanges_data()
    {
        QTest::addColumn<QString>("oldTyped");
        QTest::addColumn<QString>("newTyped");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("emptied"); // the first box emptied, the focus in it
        QTest::newRow("wrong old password") << QStringLiteral("FIDO") << QStringLiteral("Nuova")
                                            << QStringLiteral("Attenzione: vecchia password errata.") << 0;
        QTest::newRow("too long") << QStringLiteral("ZAMPORA") << QString(256, u'n')
                                  << QStringLiteral("Attenzione: la nuova password non può superare i 255 caratteri.") << 1;
        QTest::newRow("euro sign") << QStringLiteral("ZAMPORA") << QStringLiteral("100€")
                                   << QStringLiteral("Attenzione: la nuova password contiene caratteri che non è "
                                                     "possibile memorizzare, come il simbolo dell'euro. Usare "
                                                     "soltanto lettere, anche accentate, cifre e segni di "
                                                     "punteggiatura comuni.")
                                   << 1;
    }

    // A refused change leaves the file and the window as they were but for
    // the boxes to type again.
    void refusedChanges()
    {
        QFETCH(QString, oldTyped);
        QFETCH(QString, newTyped);
        QFETCH(QString, message);
        QFETCH(int, emptied);
        const QByteArray before = m_f->readFile(settingsFile);
        openChangeWindow();
        fill(oldTyped, newTyped, newTyped);
        QCOMPARE(m_f->doubles.messages.takeOnly(), (Shown { Kind::Notice, message }));
        QVERIFY(change()->isVisible());
        QCOMPARE(m_f->readFile(settingsFile), before);
        QCOMPARE(change()->focusWidget(), boxes()[emptied]);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(boxes()[i]->text().isEmpty(), emptied == 0 ? i == 0 : i > 0);
    }

    void confirmationDifferingInCaseIsRefused()
    {
        openChangeWindow();
        fill(QStringLiteral("ZAMPORA"), QStringLiteral("Fido"), QStringLiteral("FIDO"));
        QCOMPARE(m_f->doubles.messages.takeOnly(),
            (Shown { Kind::Notice,
                QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' "
                               "necessario reinserire entrambi i valori.") }));
        QCOMPARE(boxes()[0]->text(), QStringLiteral("ZAMPORA"));
        QVERIFY(boxes()[1]->text().isEmpty() && boxes()[2]->text().isEmpty());
        QCOMPARE(change()->focusWidget(), boxes()[1]);
    }

    // A settings file that cannot be replaced (here a folder in its place)
    // gives the change error; the window stays open.
    void failedChangeKeepsTheWindow()
    {
        QVERIFY(QFile::remove(m_f->path(settingsFile)));
        QVERIFY(QDir().mkdir(m_f->path(settingsFile)));
        openChangeWindow();
        fill(QStringLiteral("ZAMPORA"), QStringLiteral("Fido"), QStringLiteral("Fido"));
        QCOMPARE(m_f->doubles.messages.takeOnly(),
            (Shown { Kind::Notice,
                QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                               "password. Si consiglia di reinstallare il software.") }));
        QVERIFY(change()->isVisible());
        QVERIFY(!password()->isVisible());
    }

private:
    frmPassword *password() { return &m_f->app().password(); }
    frmCambiaPassword *change() { return &m_f->app().changePassword(); }
    QLineEdit *box() { return child<QLineEdit>(password(), "txtPassword"); }
    QPushButton *ok() { return child<QPushButton>(password(), "cmdOK"); }
    QPushButton *changeOk() { return child<QPushButton>(change(), "cmdOK"); }
    QList<QLineEdit *> boxes()
    {
        return { child<QLineEdit>(change(), "txtPasswordOld"), child<QLineEdit>(change(), "txtPasswordNew"),
            child<QLineEdit>(change(), "txtConferma") };
    }

    void openChangeWindow()
    {
        click(child(password(), "btnCambiaPassword"));
        QVERIFY(change()->isVisible());
        QVERIFY(!password()->isVisible());
    }

    void fill(const QString &oldTyped, const QString &newTyped, const QString &confirmation)
    {
        // Inserted as a paste would: key clicks carry Latin-1 only.
        const QList<QLineEdit *> all = boxes();
        all[0]->insert(oldTyped);
        all[1]->insert(newTyped);
        all[2]->insert(confirmation);
        click(changeOk());
    }

    std::unique_ptr<AppFixture> m_f;
};

ZAMPORA_GUI_TEST_MAIN(tst_PasswordWindows)
#include "tst_passwordwindows.moc"
