#include "AppFixture.h"

#include "checks/OpenCheck.h"
#include "checks/frmCarta.h"
#include "checks/frmCodFisc.h"
#include "checks/frmIban.h"
#include "checks/frmPartitaIva.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QSvgWidget>

using Kind = MessageBoxes::Kind;

namespace {

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

std::unique_ptr<CheckWindow> makeWindow(const QString &name, AppContext &context, const QString &preset)
{
    if (name == u"frmCodFisc")
        return std::make_unique<frmCodFisc>(context, nullptr, preset);
    if (name == u"frmPartitaIva")
        return std::make_unique<frmPartitaIva>(context, nullptr, preset);
    if (name == u"frmCarta")
        return std::make_unique<frmCarta>(context, nullptr, preset);
    return std::make_unique<frmIban>(context, nullptr, preset);
}

const char *boxName(const QString &window)
{
    if (window == u"frmCodFisc")
        return "txtCodFisc";
    if (window == u"frmPartitaIva")
        return "txtPartitaIva";
    return window == u"frmCarta" ? "txtNumero" : "txtIban";
}

} // namespace

class tst_CheckWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestContext>();
    }
    void cleanup()
    {
        m_window.reset();
        m_test.reset();
    }

    void layout_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("instruction");
        QTest::newRow("tax code") << utf8("frmCodFisc") << utf8(" Controllo codice fiscale")
                                  << QSize(478, 254)
                                  << utf8("Immettere il codice fiscale e premere il pulsante di controllo.");
        QTest::newRow("VAT number")
            << utf8("frmPartitaIva") << utf8(" Controllo partita IVA") << QSize(480, 254)
            << utf8("Immettere il numero di partita IVA e premere il pulsante di controllo.");
        QTest::newRow("card")
            << utf8("frmCarta") << utf8(" Controllo carta di credito") << QSize(519, 254)
            << utf8("Immettere il numero di carta di credito e premere il pulsante di controllo.");
        QTest::newRow("IBAN") << utf8("frmIban") << utf8(" Controllo IBAN") << QSize(608, 270)
                              << utf8("Immettere l'IBAN e premere il pulsante di controllo.");
    }

    // Fixed size, no close button, centred on the screen, the logo artwork
    // found, and the box in a fixed-pitch bold face whatever font is installed.
    void layout()
    {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(QString, instruction);
        m_window = makeWindow(window, m_test->context(), {});
        QCOMPARE(m_window->objectName(), window);
        QCOMPARE(m_window->windowTitle(), caption);
        QCOMPARE(m_window->minimumSize(), size);
        QCOMPARE(m_window->maximumSize(), size);
        QVERIFY(!(m_window->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
        QCOMPARE(m_window->pos(), QPoint((1920 - size.width()) / 2, (1080 - size.height()) / 2));
        QCOMPARE(child<QLabel>(m_window.get(), "lblIstruzioni")->text(), instruction);
        QVERIFY(child<QSvgWidget>(m_window.get(), "imgLogo")->renderer()->isValid());
        QCOMPARE(child<QPushButton>(m_window.get(), "btnControlla")->text(), utf8("Controlla"));
        QCOMPARE(child<QPushButton>(m_window.get(), "btnChiudi")->text(), utf8("Chiudi"));
        const QFontInfo boxFont(child<QLineEdit>(m_window.get(), boxName(window))->font());
        QVERIFY(boxFont.fixedPitch());
        QVERIFY(boxFont.bold());
    }

    void check_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("tax code valid") << utf8("frmCodFisc") << utf8("AAAAAA00A00A000I") << Kind::Information
                                        << utf8("Il codice fiscale digitato è VALIDO.") << false;
        QTest::newRow("tax code wrong") << utf8("frmCodFisc") << utf8("AAAAAA00A00A000J") << Kind::Warning
                                        << utf8("Attenzione: il codice fiscale digitato è ERRATO.") << false;
        QTest::newRow("tax code length")
            << utf8("frmCodFisc") << utf8("AAAAAA00A00A000") << Kind::Warning
            << utf8("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.")
            << true;
        QTest::newRow("VAT Novara") << utf8("frmPartitaIva") << utf8("11111110034") << Kind::Information
                                    << utf8("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' "
                                            "stato rilasciato dall'Ufficio "
                                            "IVA del Comune di Novara.")
                                    << false;
        QTest::newRow("VAT letters from the opener")
            << utf8("frmPartitaIva") << utf8("1234567890A") << Kind::Warning
            << utf8("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi "
                    "possibile "
                    "fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.")
            << false;
        // An all-digit tax code field holds up to 16 digits: kept whole, it
        // is refused by length instead of being checked on its first 11.
        QTest::newRow("VAT 16 digits from the opener")
            << utf8("frmPartitaIva") << utf8("1234567890312345") << Kind::Warning
            << utf8("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.") << true;
        QTest::newRow("card Visa") << utf8("frmCarta") << utf8("4111111111111111") << Kind::Information
                                   << utf8("Il numero di carta di credito 4111111111111111 risulta "
                                           "valido.\r\n\r\nLa carta di credito è "
                                           "del tipo Visa.")
                                   << false;
        QTest::newRow("card missing")
            << utf8("frmCarta") << QString() << Kind::Warning
            << utf8("Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
                    "controllo.")
            << true;
        QTest::newRow("IBAN valid") << utf8("frmIban") << utf8("IT95A1234512345123456789012")
                                    << Kind::Information << utf8("L'IBAN digitato è VALIDO.") << false;
        QTest::newRow("IBAN 33 characters from the opener")
            << utf8("frmIban") << utf8("IT95 A123 4512 3451 2345 6789 012") << Kind::Warning
            << utf8("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.") << true;
    }

    // "Controlla" shows the check's message; only an uncheckable text keeps
    // the window open, with the text as it was and the focus back in the box.
    void check()
    {
        QFETCH(QString, window);
        QFETCH(QString, preset);
        QFETCH(Kind, kind);
        QFETCH(QString, message);
        QFETCH(bool, staysOpen);
        m_window = makeWindow(window, m_test->context(), preset);
        m_window->show();
        auto *box = child<QLineEdit>(m_window.get(), boxName(window));
        auto *controlla = child<QPushButton>(m_window.get(), "btnControlla");
        controlla->setFocus();
        click(controlla);
        QCOMPARE(m_test->doubles.messages.owners, QList<QWidget *> { m_window.get() });
        QCOMPARE(m_test->doubles.messages.takeOnly(), (RecordingMessageBoxes::Shown { kind, message }));
        QCOMPARE(m_window->isVisible(), staysOpen);
        if (staysOpen) {
            QCOMPARE(box->text(), preset);
            QCOMPARE(m_window->focusWidget(), box);
        } else {
            QCOMPARE(m_window->result(), int(QDialog::Accepted));
        }
    }

    void cardWithoutTypeClosesSilently()
    {
        m_window = makeWindow(utf8("frmCarta"), m_test->context(), utf8("3200000000000002"));
        m_window->show();
        click(child(m_window.get(), "btnControlla"));
        QVERIFY(m_test->doubles.messages.shown.isEmpty());
        QVERIFY(!m_window->isVisible());
    }

    void chiudiClosesWithoutChecking()
    {
        m_window = makeWindow(utf8("frmCodFisc"), m_test->context(), utf8("AAAAAA00A00A000I"));
        m_window->show();
        click(child(m_window.get(), "btnChiudi"));
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_test->doubles.messages.shown.isEmpty());
    }

    // The whole keyboard path: focus starts in the box, Enter moves it to
    // "Controlla", Enter there checks.
    void keyboardOnly_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("typed");
        for (auto [window, typed] :
            { std::pair { "frmCodFisc", "aaaaaa00a00a000i" }, { "frmPartitaIva", "00000000018" },
                { "frmCarta", "4111111111111111" }, { "frmIban", "it95a1234512345123456789012" } })
            QTest::newRow(window) << utf8(window) << utf8(typed);
    }

    void keyboardOnly()
    {
        QFETCH(QString, window);
        QFETCH(QString, typed);
        m_window = makeWindow(window, m_test->context(), {});
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        auto *box = child<QLineEdit>(m_window.get(), boxName(window));
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child(m_window.get(), "btnControlla"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_test->doubles.messages.takeOnly().kind, Kind::Information);
        QVERIFY(!m_window->isVisible());
    }

    void typing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        // Number boxes refuse every typed key but digits and editing keys.
        QTest::newRow("VAT digits only")
            << utf8("frmPartitaIva") << QString() << utf8("12a b-3.4") << utf8("1234");
        QTest::newRow("card digits only") << utf8("frmCarta") << QString() << utf8("4x1 1/1") << utf8("4111");
        QTest::newRow("VAT stops at 11")
            << utf8("frmPartitaIva") << QString() << utf8("1234567890123") << utf8("12345678901");
        QTest::newRow("VAT keeps lower case from the opener")
            << utf8("frmPartitaIva") << utf8("abc") << utf8("1") << utf8("abc1");
        // The tax code is tidied as the user types, a leading blank included.
        QTest::newRow("tax code capitals")
            << utf8("frmCodFisc") << QString() << utf8(" rss-mr") << utf8("RSS-MR");
        QTest::newRow("tax code stops at 16")
            << utf8("frmCodFisc") << QString() << utf8("aaaaaa00a00a000ixy") << utf8("AAAAAA00A00A000I");
        // A blank typed at the end is trimmed on its own key release.
        QTest::newRow("IBAN capitals, trailing blank dropped")
            << utf8("frmIban") << QString() << utf8("it95 a") << utf8("IT95A");
        // Card and IBAN tidy on every key release, opener text included.
        QTest::newRow("IBAN opener text on a key release")
            << utf8("frmIban") << utf8("it95") << utf8("0") << utf8("IT950");
    }

    void typing()
    {
        QFETCH(QString, window);
        QFETCH(QString, preset);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        m_window = makeWindow(window, m_test->context(), preset);
        m_window->show();
        auto *box = child<QLineEdit>(m_window.get(), boxName(window));
        box->setFocus();
        box->end(false);
        QTest::keyClicks(box, typed);
        QCOMPARE(box->text(), shown);
    }

    void taxCodeOpenerTextIsNotConvertedUntilTyping()
    {
        m_window = makeWindow(utf8("frmCodFisc"), m_test->context(), utf8("aaaaaa00a00a000"));
        m_window->show();
        auto *box = child<QLineEdit>(m_window.get(), "txtCodFisc");
        QCOMPARE(box->text(), utf8("aaaaaa00a00a000"));
        box->end(false);
        QTest::keyClicks(box, utf8("i"));
        QCOMPARE(box->text(), utf8("AAAAAA00A00A000I"));
    }

    // A preset longer than the box's limit stays whole; the user may shorten
    // it but never lengthen it again.
    void longOpenerTextCanOnlyShrink()
    {
        m_window = makeWindow(utf8("frmPartitaIva"), m_test->context(), utf8("1234567890312345"));
        m_window->show();
        auto *box = child<QLineEdit>(m_window.get(), "txtPartitaIva");
        box->end(false);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, utf8("9"));
        QCOMPARE(box->text(), utf8("123456789031234"));
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, utf8("3"));
        QCOMPARE(box->text(), utf8("12345678903"));
        QTest::keyClicks(box, utf8("4"));
        QCOMPARE(box->text(), utf8("12345678903"));
    }

    void taxCodeButtonRouting_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("preset");
        QTest::newRow("empty") << QString() << utf8("frmCodFisc") << QString();
        QTest::newRow("blanks") << utf8("   ") << utf8("frmCodFisc") << QString();
        QTest::newRow("tax code") << utf8(" RSSMRA85T10A562S ") << utf8("frmCodFisc")
                                  << utf8("RSSMRA85T10A562S");
        QTest::newRow("digits and letters") << utf8("12AB") << utf8("frmCodFisc") << utf8("12AB");
        QTest::newRow("company number")
            << utf8(" 12345678903 ") << utf8("frmPartitaIva") << utf8("12345678903");
        QTest::newRow("digits of any length") << utf8("123") << utf8("frmPartitaIva") << utf8("123");
    }

    // The opening rule shared by every card's tax code button: a modal window
    // with the trimmed field text, destroyed once closed.
    void taxCodeButtonRouting()
    {
        QFETCH(QString, field);
        QFETCH(QString, window);
        QFETCH(QString, preset);
        QWidget card;
        card.show();
        QPointer<QWidget> opened;
        whenModalShown([&](QWidget *modal) {
            opened = modal;
            QCOMPARE(modal->objectName(), window);
            QCOMPARE(modal->parentWidget(), &card);
            QCOMPARE(child<QLineEdit>(modal, boxName(window))->text(), preset);
            click(child(modal, "btnChiudi"));
        });
        openTaxCodeCheck(m_test->context(), &card, field);
        QVERIFY(opened.isNull());
        QVERIFY(m_test->doubles.messages.shown.isEmpty());
    }

private:
    std::unique_ptr<TestContext> m_test;
    std::unique_ptr<CheckWindow> m_window;
};

ZAMPORA_GUI_TEST_MAIN(tst_CheckWindows)
#include "tst_checkwindows.moc"
