// The owner card: Save (append, replace), Duplicate, New, the identifier
// checks, e-mail and attached files.
#include "tst_frmclienti_fixture.h"

#include "storage/Flags.h"

#include <QDir>

using namespace OwnerRecord;

namespace {
const QString inserted = QString::fromUtf8("La scheda corrente è stata inserita in archivio.");
const QString modified
    = QString::fromUtf8("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString nameWarning
    = QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il nome del proprietario.");
constexpr int R = recordSize;
}

class tst_FrmClientiEditing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<OwnerCardFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void saveNeedsAName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << QStringLiteral("   ");
    }
    // Nothing is written, not even an empty archive; the focus goes to the name.
    void saveNeedsAName()
    {
        QFETCH(QString, name);
        OwnerCardFixture &f = *m_fixture;
        f.box("txtCliente")->setText(name);
        QTest::keyClicks(f.box("txtNote"), QStringLiteral("nota"));
        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Warning, nameWarning }));
        QCOMPARE(f.focused(), QStringLiteral("txtCliente"));
        QVERIFY(!QFileInfo::exists(f.path(fileName)));
    }

    // A new card into a missing archive: one record of 3702 bytes, every
    // field at its offset, trimmed and cut; the mark as "Sì" or "No" bytes;
    // the card left as typed. Saving again replaces that record.
    void saveNewCardThenSaveAgain()
    {
        OwnerCardFixture &f = *m_fixture;
        f.box("txtCliente")->setText(QStringLiteral("  Rossi Mario  "));
        QTest::keyClicks(f.province("txtProvRes"), QStringLiteral("mi"));
        QTest::keyClicks(f.box("txtCodFisc"), QStringLiteral("rssmra70b01h501u"));
        f.box("txtCaniOra")->setText(QString(260, u'c'));
        whenModalShown([](QWidget *window) {
            child<QLineEdit>(window, "txtDesc03")->setText(QStringLiteral("Contratto"));
            click(child(window, "btnApplica"));
        });
        click(child(f.card(), "cmdFile"));
        f.card()->activateWindow(); // back from the attached files
        QVERIFY(QTest::qWaitForWindowActive(f.card()));
        f.box("txtNote")->setFocus();
        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, inserted }));
        QCOMPARE(f.card()->position(), QStringLiteral("1"));
        QCOMPARE(f.box("txtCliente")->text(), QStringLiteral("  Rossi Mario  "));
        QCOMPARE(f.focused(), QStringLiteral("txtNote"));
        QByteArray file = f.archive();
        QCOMPARE(file.size(), R);
        QCOMPARE(file.mid(0, 12), shortText("Rossi Mario"));
        QCOMPARE(file.mid(240, 3), shortText("MI"));
        QCOMPARE(file.mid(726, 17), shortText("RSSMRA70B01H501U"));
        QCOMPARE(file.mid(1189, 251), shortText(QByteArray(250, 'c')));
        QCOMPARE(file.mid(2193, 3), QByteArray("\x02No", 3));
        QCOMPARE(file.mid(3451, 10), shortText("Contratto"));

        f.recontact()->setChecked(true);
        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, modified }));
        QCOMPARE(f.card()->position(), QStringLiteral("1"));
        file = f.archive();
        QCOMPARE(file.size(), R);
        QCOMPARE(file.mid(2193, 3), QByteArray("\x02S\xEC", 3));
    }

    // Five records: a new card becomes record 6; editing card 2 rewrites
    // record 2 only and the file keeps its size.
    void appendAndReplaceInPlace()
    {
        OwnerCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre"),
            QStringLiteral("Quattro"), QStringLiteral("Cinque") });
        QTest::keyClicks(f.box("txtCliente"), QStringLiteral("Sei"));
        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, inserted }));
        QCOMPARE(f.card()->position(), QStringLiteral("6"));
        QCOMPARE(f.fieldAt(6, Cliente), QStringLiteral("Sei"));

        const QByteArray before = f.archive();
        f.goTo(2);
        f.box("txtCliente")->setText(QStringLiteral("Due bis"));
        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, modified }));
        QCOMPARE(f.card()->position(), QStringLiteral("2"));
        const QByteArray after = f.archive();
        QCOMPARE(after.size(), 6 * R);
        QCOMPARE(after.first(R), before.first(R));
        QCOMPARE(after.sliced(2 * R), before.sliced(2 * R));
        QCOMPARE(f.fieldAt(2, Cliente), QStringLiteral("Due bis"));
    }

    // The archive was cut behind the card's back: card 3 saved into a file of
    // one record becomes record 2, never a gap of records that never existed.
    void saveBeyondTheEndAppends()
    {
        OwnerCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre") });
        click(child(f.card(), "cmdUltimo"));
        f.writeArchive({ QStringLiteral("Altro") });
        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, inserted }));
        QCOMPARE(f.archive().size(), 2 * R);
        QCOMPARE(f.fieldAt(1, Cliente), QStringLiteral("Altro"));
        QCOMPARE(f.fieldAt(2, Cliente), QStringLiteral("Tre"));
        QCOMPARE(f.card()->position(), QStringLiteral("2"));
    }

    // A failed save says so and leaves the card as it was, ready to retry.
    void saveFailureLeavesTheCard()
    {
        OwnerCardFixture &f = *m_fixture;
        QVERIFY(QDir().mkdir(f.path(fileName)));
        QTest::keyClicks(f.box("txtCliente"), QStringLiteral("Rossi"));
        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Error, accessMessage() }));
        QCOMPARE(f.card()->position(), QString());
        QCOMPARE(f.box("txtCliente")->text(), QStringLiteral("Rossi"));
    }

    void duplicateOfABlankCardIsRefused()
    {
        OwnerCardFixture &f = *m_fixture;
        QTest::keyClicks(f.box("txtCliente"), QStringLiteral("Rossi"));
        click(child(f.card(), "cmdDuplica"));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Warning,
                QString::fromUtf8("Attenzione: la duplicazione di una scheda può avvenire "
                                  "soltanto dopo che questa è stata inserita in archivio.") }));
        QCOMPARE(f.box("txtCliente")->text(), QStringLiteral("Rossi"));
        QVERIFY(!QFileInfo::exists(f.path(fileName)));
    }

    // Duplicate card 2 of 3 and save: a fourth record with the same values
    // and mark but no attachments; record 2 untouched.
    void duplicateThenSaveAppendsACopy()
    {
        OwnerCardFixture &f = *m_fixture;
        const FieldValues second { { Email, QStringLiteral("due@example.it") },
            { Ricontatta, FlagText::yes() }, { File01, QStringLiteral("contratto.pdf") },
            { Desc01, QStringLiteral("Contratto") } };
        f.writeFile(fileName,
            OwnerCardFixture::owner(QStringLiteral("Uno"))
                + OwnerCardFixture::owner(QStringLiteral("Due"), second)
                + OwnerCardFixture::owner(QStringLiteral("Tre")));
        const QByteArray before = f.archive();
        f.goTo(2);
        f.box("txtNote")->setFocus();
        click(child(f.card(), "cmdDuplica"));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Information,
                QString::fromUtf8(
                    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                    "Al termine premere Salva per inserire la scheda in archivio.") }));
        QCOMPARE(f.card()->position(), QString());
        QCOMPARE(f.label("lblFile01"), QString());
        QCOMPARE(f.label("lblDesc01"), QString());
        QCOMPARE(f.box("txtEmail")->text(), QStringLiteral("due@example.it"));
        QVERIFY(f.recontact()->isChecked());
        QCOMPARE(f.focused(), QStringLiteral("txtCliente"));

        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, inserted }));
        QCOMPARE(f.card()->position(), QStringLiteral("4"));
        const QByteArray after = f.archive();
        QCOMPARE(after.size(), 4 * R);
        QCOMPARE(after.first(3 * R), before);
        QCOMPARE(f.fieldAt(4, Cliente), QStringLiteral("Due"));
        QCOMPARE(f.fieldAt(4, Email), QStringLiteral("due@example.it"));
        QCOMPARE(f.fieldAt(4, Ricontatta), FlagText::yes());
        QCOMPARE(f.fieldAt(4, File01), QString());
        QCOMPARE(f.fieldAt(4, Desc01), QString());
    }

    // An unreachable archive stops the duplicate with the access message,
    // the position and attachments already gone.
    void duplicateOfAnUnreachableArchive()
    {
        OwnerCardFixture &f = *m_fixture;
        f.writeFile(fileName,
            OwnerCardFixture::owner(QStringLiteral("Uno"), { { File02, QStringLiteral("a.pdf") } }));
        f.goTo(1);
        QVERIFY(QFile::remove(f.path(fileName)));
        QVERIFY(QDir().mkdir(f.path(fileName)));
        click(child(f.card(), "cmdDuplica"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Error, accessMessage() }));
        QCOMPARE(f.card()->position(), QString());
        QCOMPARE(f.label("lblFile02"), QString());
        QCOMPARE(f.box("txtCliente")->text(), QStringLiteral("Uno"));
    }

    void newEmptiesEverything()
    {
        OwnerCardFixture &f = *m_fixture;
        f.writeFile(fileName,
            OwnerCardFixture::owner(QStringLiteral("Uno"),
                { { ProvNasc, QStringLiteral("RM") }, { Ricontatta, FlagText::yes() },
                    { Desc02, QStringLiteral("Libretto") } }));
        f.goTo(1);
        f.box("txtNote")->setFocus();
        click(child(f.card(), "cmdNuovo"));
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(f.card()->position(), QString());
        QCOMPARE(f.box("txtCliente")->text(), QString());
        QCOMPARE(f.province("txtProvNasc")->currentText(), QString());
        QCOMPARE(f.province("txtProvNasc")->currentIndex(), -1);
        QVERIFY(!f.recontact()->isChecked());
        QCOMPARE(f.label("lblDesc02"), QString());
        QCOMPARE(f.focused(), QStringLiteral("txtCliente"));
    }

    void checkButtons_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("windowBox");
        QTest::newRow("company number")
            << QByteArray("txtCodFisc") << QStringLiteral(" 12345678903 ") << QByteArray("btnCodFisc")
            << QStringLiteral("frmPartitaIva") << QByteArray("txtPartitaIva");
        QTest::newRow("tax code") << QByteArray("txtCodFisc") << QStringLiteral("RSSMRA70B01H501U")
                                  << QByteArray("btnCodFisc") << QStringLiteral("frmCodFisc")
                                  << QByteArray("txtCodFisc");
        QTest::newRow("blank tax code") << QByteArray("txtCodFisc") << QString() << QByteArray("btnCodFisc")
                                        << QStringLiteral("frmCodFisc") << QByteArray("txtCodFisc");
        QTest::newRow("card") << QByteArray("txtCarta") << QStringLiteral(" 4111111111111111 ")
                              << QByteArray("btnCarta") << QStringLiteral("frmCarta")
                              << QByteArray("txtNumero");
        QTest::newRow("vat") << QByteArray("txtPartitaIva") << QStringLiteral("1234567890 ")
                             << QByteArray("btnPartitaIva") << QStringLiteral("frmPartitaIva")
                             << QByteArray("txtPartitaIva");
        QTest::newRow("iban") << QByteArray("txtIban") << QStringLiteral(" IT60X0542811101000000123 ")
                              << QByteArray("btnIban") << QStringLiteral("frmIban") << QByteArray("txtIban");
    }
    // Each check opens its window with the box's text trimmed and changes
    // nothing on the card.
    void checkButtons()
    {
        QFETCH(QByteArray, box);
        QFETCH(QString, text);
        QFETCH(QByteArray, button);
        QFETCH(QString, window);
        QFETCH(QByteArray, windowBox);
        OwnerCardFixture &f = *m_fixture;
        f.box(box.constData())->setText(text);
        QString opened;
        QString preset;
        whenModalShown([&](QWidget *modal) {
            opened = modal->objectName();
            preset = child<QLineEdit>(modal, windowBox.constData())->text();
            modal->close();
        });
        click(child(f.card(), button.constData()));
        QCOMPARE(opened, window);
        QCOMPARE(preset, text.trimmed());
        QCOMPARE(f.box(box.constData())->text(), text);
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    void email_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("link");
        QTest::newRow("address") << QStringLiteral(" mario.rossi@example.it ")
                                 << QStringLiteral("mailto:mario.rossi@example.it");
        QTest::newRow("empty: a message without addressee") << QString() << QStringLiteral("mailto:");
        // A stored address cannot smuggle headers, such as an attachment, into the message.
        QTest::newRow("headers stay in the address")
            << QStringLiteral("a@b.it?attach=/etc/passwd&cc=x@y.it")
            << QStringLiteral("mailto:a@b.it%3Fattach=%2Fetc%2Fpasswd%26cc=x@y.it");
    }
    void email()
    {
        QFETCH(QString, address);
        QFETCH(QString, link);
        OwnerCardFixture &f = *m_fixture;
        f.box("txtEmail")->setText(address);
        click(child(f.card(), "btnEmail"));
        QCOMPARE(f.doubles.shell.opened, QStringList { link });
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    // The attached-files window opens in owner mode with the card's slots;
    // applying writes them back, and the next save stores them.
    void attachedFiles()
    {
        OwnerCardFixture &f = *m_fixture;
        f.writeFile(fileName,
            OwnerCardFixture::owner(QStringLiteral("Uno"),
                { { File01, QStringLiteral("contratto.pdf") }, { Desc01, QStringLiteral("Contratto") } }));
        f.goTo(1);
        QString mode;
        QString firstName;
        whenModalShown([&](QWidget *window) {
            mode = child<QLabel>(window, "lblMemory")->text();
            firstName = child<QLineEdit>(window, "txtFile01")->text();
            child<QLineEdit>(window, "txtDesc02")->setText(QStringLiteral("Ricevuta"));
            click(child(window, "btnApplica"));
        });
        click(child(f.card(), "cmdFile"));
        QCOMPARE(mode, QStringLiteral("clienti"));
        QCOMPARE(firstName, QStringLiteral("contratto.pdf"));
        QCOMPARE(f.label("lblDesc02"), QStringLiteral("Ricevuta"));
        QCOMPARE(f.fieldAt(1, Desc02), QString()); // not saved yet

        click(child(f.card(), "cmdSalva"));
        f.doubles.messages.takeOnly();
        QCOMPARE(f.fieldAt(1, File01), QStringLiteral("contratto.pdf"));
        QCOMPARE(f.fieldAt(1, Desc02), QStringLiteral("Ricevuta"));
    }

    // Another window (search, recontact list) loads a record as the arrows do.
    void showRecordLoadsACard()
    {
        OwnerCardFixture &f = *m_fixture;
        Record record(layout());
        record.setValue(Cliente, QStringLiteral("Verdi"));
        record.setValue(ProvRes, QStringLiteral("TO"));
        record.setValue(Desc03, QStringLiteral("Nota"));
        f.card()->showRecord(record, 7);
        QCOMPARE(f.card()->position(), QStringLiteral("7"));
        QCOMPARE(f.card()->value(Cliente), QStringLiteral("Verdi"));
        QCOMPARE(f.card()->value(ProvRes), QStringLiteral("TO"));
        QCOMPARE(f.label("lblDesc03"), QStringLiteral("Nota"));
    }

private:
    std::unique_ptr<OwnerCardFixture> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmClientiEditing)
#include "tst_frmclienti_editing.moc"
