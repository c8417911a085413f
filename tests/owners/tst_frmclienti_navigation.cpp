// The owner card: layout rules, display of stored records, the four arrows,
// the focus order and the rules applied while typing.
#include "tst_frmclienti_fixture.h"

#include "owners/ProvinceBox.h"
#include "storage/Flags.h"
#include "ui/PictureButton.h"
#include "ui/UnsavedChanges.h"

#include <QDir>

using namespace OwnerRecord;

namespace {
const QString emptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
}

class tst_FrmClientiNavigation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<OwnerCardFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void opensAsABlankCard()
    {
        OwnerCardFixture &f = *m_fixture;
        QCOMPARE(f.card()->windowTitle(), QStringLiteral(" Zampora - Anagrafica Proprietari"));
        QVERIFY(f.card()->isMaximized());
        QCOMPARE(f.card()->position(), QString());
        QCOMPARE(f.focused(), QStringLiteral("txtCliente"));
        for (const char *hidden :
            { "lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03" })
            QVERIFY(!child(f.card(), hidden)->isVisible());
        for (const PictureButton *button : f.card()->findChildren<PictureButton *>()) {
            QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
            QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        }
        QWidget menu;
        frmClienti fresh(f.context(), &menu);
        QCOMPARE(child<QLabel>(&fresh, "panInfo")->text(),
            QStringLiteral("Pronto per archiviare una nuova scheda..."));
    }

    // Every box, drop-down boxes included, takes no more than its field holds.
    void everyBoxIsLimitedToItsFieldCapacity()
    {
        for (int field = Cliente; field <= Note; ++field) {
            const FieldSpec &fieldSpec = layout().field(field);
            const QString name = QStringLiteral("txt") + QString(fieldSpec.name);
            QWidget *control = m_fixture->card()->findChild<QWidget *>(name);
            QVERIFY2(control, qPrintable(name));
            auto *edit = qobject_cast<QLineEdit *>(control);
            if (auto *dropDown = qobject_cast<QComboBox *>(control))
                edit = dropDown->lineEdit();
            QVERIFY2(edit, qPrintable(name));
            QCOMPARE(edit->maxLength(), fieldSpec.capacity);
        }
    }

    void statusLine_data()
    {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<QString>("hint"); // empty: a background
        QTest::newRow("duplicate") << QByteArray("cmdDuplica")
                                   << QStringLiteral("Prepara la schermata per la registrazione di una nuova "
                                                     "scheda duplicando i dati correnti.");
        QTest::newRow("recontact list") << QByteArray(
            "cmdRicontatta") << QStringLiteral("Visualizza il riepilogo dei proprietari da ricontattare.");
        QTest::newRow("iban") << QByteArray("btnIban") << QStringLiteral("Controlla l'IBAN.");
        QTest::newRow("mark") << QByteArray("chkRicontatta")
                              << QString::fromUtf8("Annota che il proprietario è da ricontattare per "
                                                   "questioni in sospeso.");
        for (const char *surface : { "panSfondo", "panScheda", "panPersonali", "panSeguito", "panPulsanti",
                 "panNavigazione", "panInfo", "lblPosizione", "imgDecorazione" })
            QTest::newRow(surface) << QByteArray(surface) << QString();
    }
    // The hint of the control under the mouse, or nothing over a background.
    void statusLine()
    {
        QFETCH(QByteArray, control);
        QFETCH(QString, hint);
        OwnerCardFixture &f = *m_fixture;
        QEnterEvent enter({}, {}, {});
        QApplication::sendEvent(child(f.card(), "cmdSalva"), &enter);
        QWidget *target = child(f.card(), control.constData());
        if (hint.isEmpty()) {
            QMouseEvent move(
                QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &move);
        } else {
            QApplication::sendEvent(target, &enter);
        }
        QCOMPARE(f.label("panInfo"), hint);
    }

    // How the card stands before the arrow: blank, or at a position.
    void arrows_data()
    {
        QTest::addColumn<int>("records"); // -1: no archive file
        QTest::addColumn<int>("start"); // 0: a blank card
        QTest::addColumn<int>("recordsNow"); // the archive replaced behind the card
        QTest::addColumn<QByteArray>("arrow");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("message");
        for (const char *arrow : { "cmdPrimo", "cmdUltimo", "cmdAvanti", "cmdIndietro" }) {
            QTest::addRow("missing %s", arrow)
                << -1 << 0 << -1 << QByteArray(arrow) << QString() << emptyArchive;
            QTest::addRow("empty %s", arrow) << 0 << 0 << 0 << QByteArray(arrow) << QString() << emptyArchive;
        }
        QTest::newRow("first") << 3 << 2 << 3 << QByteArray("cmdPrimo") << QStringLiteral("1") << QString();
        QTest::newRow("last") << 3 << 0 << 3 << QByteArray("cmdUltimo") << QStringLiteral("3") << QString();
        QTest::newRow("blank next") << 3 << 0 << 3 << QByteArray("cmdAvanti") << QStringLiteral("1")
                                    << QString();
        QTest::newRow("blank previous")
            << 3 << 0 << 3 << QByteArray("cmdIndietro") << QStringLiteral("1") << QString();
        QTest::newRow("next") << 3 << 2 << 3 << QByteArray("cmdAvanti") << QStringLiteral("3") << QString();
        QTest::newRow("previous") << 3 << 3 << 3 << QByteArray("cmdIndietro") << QStringLiteral("2")
                                  << QString();
        QTest::newRow("next on the last")
            << 3 << 3 << 3 << QByteArray("cmdAvanti") << QStringLiteral("3") << QString();
        QTest::newRow("previous on the first")
            << 3 << 1 << 3 << QByteArray("cmdIndietro") << QStringLiteral("1") << QString();
        QTest::newRow("previous on the first, emptied")
            << 3 << 1 << 0 << QByteArray("cmdIndietro") << QStringLiteral("1") << QString();
        QTest::newRow("previous, emptied")
            << 3 << 2 << 0 << QByteArray("cmdIndietro") << QStringLiteral("2") << emptyArchive;
        QTest::newRow("next, emptied") << 3 << 2 << 0 << QByteArray("cmdAvanti") << QString() << emptyArchive;
        QTest::newRow("previous beyond the end")
            << 4 << 4 << 2 << QByteArray("cmdIndietro") << QStringLiteral("2") << QString();
    }
    // Each arrow from each standing: the position reached, the record shown
    // (unsaved typing discarded once the question is answered No), the
    // message if any; the archive is created empty when missing.
    void arrows()
    {
        QFETCH(int, records);
        QFETCH(int, start);
        QFETCH(int, recordsNow);
        QFETCH(QByteArray, arrow);
        QFETCH(QString, position);
        QFETCH(QString, message);
        OwnerCardFixture &f = *m_fixture;
        const QStringList names { QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre"),
            QStringLiteral("Quattro") };
        if (records >= 0)
            f.writeArchive(names.first(records));
        if (start > 0)
            f.goTo(start);
        if (recordsNow != records)
            f.writeArchive(names.first(recordsNow));
        QTest::keyClicks(f.box("txtNote"), QStringLiteral("non salvato"));
        const QString nameBefore = f.box("txtCliente")->text();

        click(child(f.card(), arrow.constData()));
        const bool moved = message.isEmpty() && position != QString::number(start);
        if (moved)
            QCOMPARE(f.doubles.messages.takeOnly(),
                (Shown { Kind::CancellableQuestion, UnsavedChanges::question() }));
        if (message.isEmpty())
            QVERIFY(f.doubles.messages.shown.isEmpty());
        else
            QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, message }));
        QCOMPARE(f.card()->position(), position);
        QCOMPARE(f.box("txtCliente")->text(), moved ? names[position.toInt() - 1] : nameBefore);
        QCOMPARE(f.box("txtNote")->text(), moved ? QString() : QStringLiteral("non salvato"));
        QVERIFY(QFileInfo(f.path(fileName)).isFile());
    }

    void accessFailureLeavesTheCard_data()
    {
        QTest::addColumn<QByteArray>("arrow");
        for (const char *arrow : { "cmdPrimo", "cmdUltimo", "cmdAvanti", "cmdIndietro" })
            QTest::newRow(arrow) << QByteArray(arrow);
    }
    void accessFailureLeavesTheCard()
    {
        QFETCH(QByteArray, arrow);
        OwnerCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre") });
        f.goTo(2);
        QTest::keyClicks(f.box("txtNote"), QStringLiteral("non salvato"));
        QVERIFY(QFile::remove(f.path(fileName)));
        QVERIFY(QDir().mkdir(f.path(fileName)));
        click(child(f.card(), arrow.constData()));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Error, accessMessage() }));
        QCOMPARE(f.card()->position(), QStringLiteral("2"));
        QCOMPARE(f.box("txtCliente")->text(), QStringLiteral("Due"));
        QCOMPARE(f.box("txtNote")->text(), QStringLiteral("non salvato"));
    }

    // Every field reaches the control named after it, without the blanks a
    // foreign tool stored around it; the print reads the same values.
    void everyFieldIsShownInItsControl()
    {
        OwnerCardFixture &f = *m_fixture;
        FieldValues values;
        for (int field = Cliente; field <= Note; ++field)
            values[field] = QStringLiteral("v%1 ").arg(field);
        values[Ricontatta] = FlagText::yes();
        for (int field = File01; field <= Desc03; ++field)
            values[field] = QStringLiteral("f%1 ").arg(field);
        Record record(layout());
        for (const auto &[field, text] : values) {
            // Stored untrimmed, as another tool may have written it.
            const QByteArray bytes = text.toLatin1().left(layout().field(field).capacity);
            record.data()[layout().field(field).offset] = char(bytes.size());
            std::copy(bytes.begin(), bytes.end(), record.data() + layout().field(field).offset + 1);
        }
        f.writeFile(fileName, record.bytes());
        click(child(f.card(), "cmdUltimo"));
        for (int field = Cliente; field <= Note; ++field) {
            const QString name = QString(layout().field(field).name);
            const QString shown = QStringLiteral("v%1").arg(field).left(layout().field(field).capacity);
            if (field == ProvNasc || field == ProvRes)
                QCOMPARE(f.province(qPrintable(QStringLiteral("txt") + name))->currentText(), shown);
            else
                QCOMPARE(f.box(qPrintable(QStringLiteral("txt") + name))->text(), shown);
            QCOMPARE(f.card()->value(Field(field)), shown);
        }
        QVERIFY(f.recontact()->isChecked());
        QCOMPARE(f.card()->value(Ricontatta), FlagText::yes());
        QCOMPARE(f.label("lblFile01"), QStringLiteral("f%1").arg(File01));
        QCOMPARE(f.label("lblDesc03"), QStringLiteral("f%1").arg(Desc03));
    }

    void recontactMark_data()
    {
        QTest::addColumn<bool>("before");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("after");
        QTest::newRow("Sì ticks") << false << FlagText::yes() << true;
        QTest::newRow("No clears") << true << FlagText::no() << false;
        QTest::newRow("empty keeps ticked") << true << QString() << true;
        QTest::newRow("empty keeps cleared") << false << QString() << false;
        QTest::newRow("other keeps ticked") << true << QStringLiteral("SI") << true;
    }
    // Only "Sì" and "No" move the mark; any other stored text leaves it as the
    // card before had it.
    void recontactMark()
    {
        QFETCH(bool, before);
        QFETCH(QString, stored);
        QFETCH(bool, after);
        OwnerCardFixture &f = *m_fixture;
        f.writeFile(fileName,
            OwnerCardFixture::owner(QStringLiteral("Uno"), { { Ricontatta, FlagText::of(before) } })
                + OwnerCardFixture::owner(QStringLiteral("Due"), { { Ricontatta, stored } }));
        click(child(f.card(), "cmdPrimo"));
        QCOMPARE(f.recontact()->isChecked(), before);
        click(child(f.card(), "cmdAvanti"));
        QCOMPARE(f.recontact()->isChecked(), after);
    }

    // Enter walks the boxes in record order and returns to the name, skipping
    // the mark; Tab takes the mark between the questions and the notes. Only
    // the focused box shows its yellow rectangle, 4 units larger all round.
    void focusOrderAndHighlight()
    {
        OwnerCardFixture &f = *m_fixture;
        const auto shownRectangles = [&f] {
            QStringList shown;
            for (const QWidget *widget : f.card()->findChildren<QWidget *>())
                if (widget->objectName().startsWith(QLatin1String("shp")) && widget->isVisible())
                    shown.append(widget->objectName());
            return shown;
        };
        QStringList byEnter;
        for (int step = 0; step <= Note; ++step) {
            byEnter.append(f.focused());
            QWidget *focus = QApplication::focusWidget();
            const QString rectangle = QStringLiteral("shp") + focus->objectName().mid(3);
            QCOMPARE(shownRectangles(), QStringList { rectangle });
            QCOMPARE(
                child(f.card(), qPrintable(rectangle))->geometry(), focus->geometry().adjusted(-4, -4, 4, 4));
            QTest::keyClick(focus, Qt::Key_Return);
        }
        QStringList expected;
        for (int field = Cliente; field <= Note; ++field)
            expected.append(QStringLiteral("txt") + QString(layout().field(field).name));
        QCOMPARE(byEnter, expected);
        QCOMPARE(f.focused(), QStringLiteral("txtCliente"));

        f.box("txtQuestioni")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(f.focused(), QStringLiteral("chkRicontatta"));
        QCOMPARE(shownRectangles(), QStringList());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(f.focused(), QStringLiteral("txtNote"));
        f.box("txtCarta")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(f.focused(), QStringLiteral("txtScadeCarta"));
    }

    void typingRules_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("sex in capitals")
            << QByteArray("txtSesso") << QStringLiteral("f") << QStringLiteral("F");
        QTest::newRow("province in capitals")
            << QByteArray("txtProvRes") << QStringLiteral("mi") << QStringLiteral("MI");
        QTest::newRow("province trimmed")
            << QByteArray("txtProvNasc") << QStringLiteral(" r") << QStringLiteral("R");
        QTest::newRow("postcode in capitals, blanks kept")
            << QByteArray("txtCapRes") << QStringLiteral("ab 1") << QStringLiteral("AB 1");
        QTest::newRow("e-mail trimmed, letters kept")
            << QByteArray("txtEmail") << QStringLiteral(" Mario@x.it ") << QStringLiteral("Mario@x.it");
        // A blank typed at the end vanishes at once, so none is left between letters.
        QTest::newRow("tax code") << QByteArray("txtCodFisc") << QStringLiteral(" rss mr ")
                                  << QStringLiteral("RSSMR");
        QTest::newRow("iban") << QByteArray("txtIban") << QStringLiteral("it60 x ")
                              << QStringLiteral("IT60X");
        QTest::newRow("card digits only")
            << QByteArray("txtCarta") << QStringLiteral("41 11-a/2") << QStringLiteral("41112");
        QTest::newRow("vat digits only")
            << QByteArray("txtPartitaIva") << QStringLiteral("IT 0123") << QStringLiteral("0123");
        QTest::newRow("other boxes as typed")
            << QByteArray("txtCivile") << QStringLiteral(" nubile ") << QStringLiteral(" nubile ");
    }
    void typingRules()
    {
        QFETCH(QByteArray, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        OwnerCardFixture &f = *m_fixture;
        QWidget *control = child(f.card(), box.constData());
        control->setFocus();
        QTest::keyClicks(control, typed);
        // Leaving the box applies the rules for leaving too.
        f.box("txtNote")->setFocus();
        const auto *dropDown = qobject_cast<QComboBox *>(control);
        QCOMPARE(dropDown ? dropDown->currentText() : static_cast<QLineEdit *>(control)->text(), shown);
    }

    // Digit-only boxes still edit with Backspace and the arrows and pass Enter on.
    void digitBoxEditsAndMovesOn()
    {
        OwnerCardFixture &f = *m_fixture;
        QLineEdit *card = f.box("txtCarta");
        card->setFocus();
        QTest::keyClicks(card, QStringLiteral("1234"));
        QTest::keyClick(card, Qt::Key_Left);
        QTest::keyClick(card, Qt::Key_Backspace);
        QTest::keyClick(card, Qt::Key_Right);
        QTest::keyClicks(card, QStringLiteral("9"));
        QCOMPARE(card->text(), QStringLiteral("1249"));
        QTest::keyClick(card, Qt::Key_Return);
        QCOMPARE(f.focused(), QStringLiteral("txtScadeCarta"));
    }

    // The same list in both boxes; a chosen entry is only text: entering the
    // box unties it, and typing replaces it freely.
    void provinceBoxes()
    {
        OwnerCardFixture &f = *m_fixture;
        const QStringList &codes = ProvinceBox::codes();
        QCOMPARE(codes.size(), 112);
        QCOMPARE(codes.first(), QStringLiteral("AG"));
        QCOMPARE(codes.last(), QStringLiteral("VV"));
        for (qsizetype i = 0; i < codes.size(); ++i) {
            QVERIFY2(codes[i].size() == 2 && codes[i] == codes[i].toUpper(), qPrintable(codes[i]));
            QVERIFY2(i == 0 || codes[i - 1] < codes[i], qPrintable(codes[i])); // in order, no repeats
        }
        for (const char *name : { "txtProvNasc", "txtProvRes" }) {
            QComboBox *box = f.province(name);
            QStringList items;
            for (int i = 0; i < box->count(); ++i)
                items.append(box->itemText(i));
            QCOMPARE(items, codes);
            QCOMPARE(box->currentIndex(), -1);
        }

        QComboBox *residence = f.province("txtProvRes");
        residence->setCurrentIndex(int(codes.indexOf(QStringLiteral("MI"))));
        f.box("txtComuneRes")->setFocus();
        residence->setFocus();
        QCOMPARE(residence->currentIndex(), -1);
        QCOMPARE(residence->currentText(), QStringLiteral("MI"));
        residence->lineEdit()->selectAll();
        QTest::keyClicks(residence, QStringLiteral("zz"));
        QCOMPARE(residence->currentText(), QStringLiteral("ZZ"));
        QCOMPARE(residence->count(), 112); // typed codes never join the list
    }

private:
    std::unique_ptr<OwnerCardFixture> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmClientiNavigation)
#include "tst_frmclienti_navigation.moc"
