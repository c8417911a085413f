// The dog card: required fields, Save (append and replace), Duplicate, New,
// the boxes kept in capitals and the tax code button.
#include "ChildProcess.h"
#include "tst_frmcani_fixture.h"

#include "ui/LineList.h"

#include <QDir>

using Shown = RecordingMessageBoxes::Shown;
using Kind = MessageBoxes::Kind;

namespace {
const QString inserted = QString::fromUtf8("La scheda corrente è stata inserita in archivio.");
const QString modified
    = QString::fromUtf8("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
constexpr int R = DogRecord::recordSize;
const QString changedElsewhere = QString::fromUtf8(
    "La scheda è stata modificata da un'altra copia del programma dopo essere stata mostrata.\r\n\r\n"
    "Salvare comunque le modifiche, sostituendo quelle dell'altra copia?");

// How the card comes to show the dog "Due", stored at position 2.
enum class ShownBy { Arrows, Search, OwnSave };
}
Q_DECLARE_METATYPE(ShownBy)

class tst_FrmCaniEditing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<DogCardFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void requiredFields_data()
    {
        QTest::addColumn<int>("filled");
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QString>("warning");
        const char *boxes[] = { "txtNome", "txtSesso", "txtDataNasc", "txtGruppo", "txtRazza" };
        const char *warnings[] = {
            "Attenzione: per salvare la scheda è necessario indicare il nome del cane.",
            "Attenzione: per salvare la scheda è necessario indicare il sesso del cane.",
            "Attenzione: per salvare la scheda è necessario indicare la data di nascita del cane nel formato "
            "gg/mm/aaaa.",
            "Attenzione: per salvare la scheda è necessario indicare il gruppo di appartenenza del cane.",
            "Attenzione: per salvare la scheda è necessario indicare la razza del cane.",
        };
        for (int i = 0; i < 5; ++i)
            QTest::newRow(boxes[i]) << i << QByteArray(boxes[i]) << QString::fromUtf8(warnings[i]);
    }
    // The first blank head box (in head order) is reported and focused;
    // nothing is written, not even an empty archive. Blanks count as empty.
    void requiredFields()
    {
        QFETCH(int, filled);
        QFETCH(QByteArray, box);
        QFETCH(QString, warning);
        DogCardFixture &f = *m_fixture;
        f.typeHead(QStringLiteral("Fido"));
        const char *boxes[] = { "txtNome", "txtSesso", "txtDataNasc", "txtGruppo", "txtRazza" };
        for (int i = filled; i < 5; ++i)
            f.box(boxes[i])->setText(QStringLiteral("  "));
        f.box("txtMantello")->setFocus();
        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Warning, warning }));
        QCOMPARE(f.focused(), QString::fromLatin1(box));
        QVERIFY(!QFileInfo::exists(f.path(DogRecord::fileName)));
    }

    // The first Save of a new card creates the archive with one record; the
    // second replaces it. Every field sits at its offset, trimmed.
    void saveNewCardThenSaveAgain()
    {
        DogCardFixture &f = *m_fixture;
        f.typeHead(QStringLiteral("  Fido  "));
        click(child(f.card(), "btnAlbero"));
        QTest::keyClicks(f.box("txtCodFisc"), QStringLiteral("rssmra80a01h501u"));
        whenModalShown([](QWidget *window) {
            child<QLineEdit>(window, "txtDesc03")->setText(QString(251, u'd'));
            click(child(window, "btnApplica"));
        });
        click(child(f.card(), "cmdFile"));
        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, inserted }));
        QCOMPARE(f.card()->position(), QStringLiteral("1"));
        QByteArray file = f.archive();
        QCOMPARE(file.size(), R);
        QCOMPARE(file.mid(0, 5), shortText("Fido"));
        QCOMPARE(file.mid(51, 2), shortText("F"));
        QCOMPARE(file.mid(53, 11), shortText("01/02/2020"));
        QCOMPARE(file.mid(3248, 17), shortText("RSSMRA80A01H501U"));
        QCOMPARE(file.mid(9351, 1), shortText(""));
        QCOMPARE(file.mid(10606, 251), shortText(QByteArray(250, 'd'))); // cut to its capacity
        QVERIFY(child(f.card(), "panAlbero")->isVisible()); // the section survives saving

        f.box("txtNome")->setText(QStringLiteral("Fido II"));
        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, modified }));
        QCOMPARE(f.card()->position(), QStringLiteral("1"));
        file = f.archive();
        QCOMPARE(file.size(), R);
        QCOMPARE(file.mid(0, 8), shortText("Fido II"));
    }

    // Replacing record 2 of 3 changes its bytes only.
    void replaceTouchesOnlyItsRecord()
    {
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre") });
        const QByteArray before = f.archive();
        click(child(f.card(), "cmdPrimo"));
        click(child(f.card(), "cmdAvanti"));
        f.box("txtAlimentazione")->setText(QStringLiteral("crocchette"));
        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, modified }));
        const QByteArray after = f.archive();
        QCOMPARE(after.size(), 3 * R);
        QCOMPARE(after.first(R), before.first(R));
        QCOMPARE(after.sliced(2 * R), before.sliced(2 * R));
        QCOMPARE(after.mid(R + 9100, 11), shortText("crocchette"));
        QCOMPARE(f.fieldAt(2, DogRecord::Nome), QStringLiteral("Due"));
        QCOMPARE(f.card()->position(), QStringLiteral("2"));
    }

    // The archive was cut behind the card's back: saving card 3 into a file of
    // one record appends it as record 2 rather than leaving a gap of garbage.
    void saveBeyondTheEndAppends()
    {
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre") });
        click(child(f.card(), "cmdUltimo"));
        f.writeArchive({ QStringLiteral("Altro") });
        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, inserted }));
        QCOMPARE(f.archive().size(), 2 * R);
        QCOMPARE(f.fieldAt(1, DogRecord::Nome), QStringLiteral("Altro"));
        QCOMPARE(f.fieldAt(2, DogRecord::Nome), QStringLiteral("Tre"));
        QCOMPARE(f.card()->position(), QStringLiteral("2"));
    }

    // A failed Save says so as an error and leaves the card as it was: a new
    // card stays new, a stored card keeps its position.
    void saveFailureLeavesTheCard()
    {
        DogCardFixture &f = *m_fixture;
        QVERIFY(QDir().mkdir(f.path(DogRecord::fileName)));
        f.typeHead(QStringLiteral("Fido"));
        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Error, accessMessage() }));
        QCOMPARE(f.card()->position(), QString());
        QCOMPARE(f.box("txtNome")->text(), QStringLiteral("Fido"));
    }

    // However the card came to show a stored record, a save over it asks
    // first when another copy of the program has changed the record since:
    // No writes nothing and keeps the card as typed, Yes writes the card.
    // A record nobody changed is saved without a question.
    void saveOverARecordChangedElsewhere_data()
    {
        QTest::addColumn<ShownBy>("shownBy");
        QTest::addColumn<bool>("changed");
        const std::pair<const char *, ShownBy> ways[] = { { "arrows", ShownBy::Arrows },
            { "search", ShownBy::Search }, { "own save", ShownBy::OwnSave } };
        for (const auto &[name, way] : ways) {
            QTest::addRow("%s, changed elsewhere", name) << way << true;
            QTest::addRow("%s, untouched", name) << way << false;
        }
    }

    void saveOverARecordChangedElsewhere()
    {
        QFETCH(ShownBy, shownBy);
        QFETCH(bool, changed);
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre") });
        showSecondCard(f, shownBy);
        QCOMPARE(f.card()->position(), QStringLiteral("2"));
        QCOMPARE(f.box("txtNome")->text(), QStringLiteral("Due"));
        if (changed) {
            const QString path = f.path(DogRecord::fileName);
            QCOMPARE(inChild([&] {
                RecordFile file;
                file.openOrCreate(path, R);
                file.seekRecord(1);
                Record other(DogRecord::layout());
                other.setValue(DogRecord::Nome, QStringLiteral("Altro"));
                file.writeNext(other);
                file.closeFile();
                return 0;
            }),
                0);
        }
        const QByteArray before = f.archive();
        f.box("txtAlimentazione")->setText(QStringLiteral("crocchette"));
        f.doubles.messages.answerNextQuestions({ MessageBoxes::Answer::No });
        click(child(f.card(), "cmdSalva"));
        if (!changed) {
            QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, modified }));
            QCOMPARE(f.fieldAt(2, DogRecord::Alimentazione), QStringLiteral("crocchette"));
            return;
        }
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Question, changedElsewhere }));
        QCOMPARE(f.archive(), before);
        QCOMPARE(f.box("txtAlimentazione")->text(), QStringLiteral("crocchette"));
        QCOMPARE(f.card()->position(), QStringLiteral("2"));

        f.doubles.messages.answerNextQuestions({ MessageBoxes::Answer::Yes });
        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.shown,
            (QList<Shown> { { Kind::Question, changedElsewhere }, { Kind::Information, modified } }));
        QCOMPARE(f.fieldAt(2, DogRecord::Nome), QStringLiteral("Due"));
        QCOMPARE(f.fieldAt(2, DogRecord::Alimentazione), QStringLiteral("crocchette"));
        QCOMPARE(f.archive().first(R), before.first(R));
        QCOMPARE(f.archive().sliced(2 * R), before.sliced(2 * R));
    }

    void duplicateOfANewCardIsRefused()
    {
        DogCardFixture &f = *m_fixture;
        f.typeHead(QStringLiteral("Fido"));
        click(child(f.card(), "cmdDuplica"));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Warning,
                QString::fromUtf8("Attenzione: la duplicazione di una scheda può avvenire "
                                  "soltanto dopo che questa è stata inserita in archivio.") }));
        QCOMPARE(f.box("txtNome")->text(), QStringLiteral("Fido"));
    }

    // Duplicate card 2 of 3 and save: a fourth record with the same values but
    // no attachments; card 2 untouched.
    void duplicateThenSaveAppendsACopy()
    {
        DogCardFixture &f = *m_fixture;
        DogValues second = DogCardFixture::head(QStringLiteral("Due"));
        second[DogRecord::Vaccinazioni] = QStringLiteral("rabbia");
        second[DogRecord::File01] = QStringLiteral("pedigree.pdf");
        second[DogRecord::Desc01] = QStringLiteral("Pedigree");
        f.writeFile(DogRecord::fileName,
            DogCardFixture::dogRecord(DogCardFixture::head(QStringLiteral("Uno")))
                + DogCardFixture::dogRecord(second)
                + DogCardFixture::dogRecord(DogCardFixture::head(QStringLiteral("Tre"))));
        const QByteArray before = f.archive();
        click(child(f.card(), "cmdPrimo"));
        click(child(f.card(), "cmdAvanti"));
        click(child(f.card(), "btnSanitaria"));
        click(child(f.card(), "cmdDuplica"));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Information,
                QString::fromUtf8(
                    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                    "Al termine premere Salva per inserire la scheda in archivio.") }));
        QCOMPARE(f.card()->position(), QString());
        QCOMPARE(f.label("lblFile01"), QString());
        QCOMPARE(f.label("lblDesc01"), QString());
        QCOMPARE(f.box("txtVaccinazioni")->text(), QStringLiteral("rabbia"));
        QVERIFY(child(f.card(), "panPsicosomatica")->isVisible());
        QVERIFY(!child(f.card(), "btnPsicosomatica")->isEnabled());
        QVERIFY(child(f.card(), "btnSanitaria")->isEnabled());
        QCOMPARE(f.focused(), QStringLiteral("txtNome"));
        QVERIFY(f.card()->photoBox()->showsPlaceholder());

        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, inserted }));
        QCOMPARE(f.card()->position(), QStringLiteral("4"));
        const QByteArray after = f.archive();
        QCOMPARE(after.size(), 4 * R);
        QCOMPARE(after.first(3 * R), before);
        QCOMPARE(f.fieldAt(4, DogRecord::Nome), QStringLiteral("Due"));
        QCOMPARE(f.fieldAt(4, DogRecord::Vaccinazioni), QStringLiteral("rabbia"));
        QCOMPARE(f.fieldAt(4, DogRecord::File01), QString());
        QCOMPARE(f.fieldAt(4, DogRecord::Desc01), QString());
    }

    void newEmptiesEverything()
    {
        DogCardFixture &f = *m_fixture;
        DogValues values = DogCardFixture::head(QStringLiteral("Uno"));
        values[DogRecord::Desc02] = QStringLiteral("Libretto");
        f.writeFile(DogRecord::fileName, DogCardFixture::dogRecord(values));
        click(child(f.card(), "cmdPrimo"));
        click(child(f.card(), "btnDocumenti"));
        click(child(f.card(), "cmdNuovo"));
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(f.card()->position(), QString());
        QCOMPARE(f.box("txtRazza")->text(), QString());
        QCOMPARE(f.label("lblDesc02"), QString());
        QVERIFY(child(f.card(), "panPsicosomatica")->isVisible());
        QCOMPARE(f.focused(), QStringLiteral("txtNome"));
    }

    void boxesKeptInCapitals_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("accented"); // typed after, as keyClicks takes ASCII only
        QTest::addColumn<QString>("shown");
        QTest::newRow("sex") << QByteArray("txtSesso") << QStringLiteral(" m") << QString()
                             << QStringLiteral("M");
        QTest::newRow("date") << QByteArray("txtDataNasc") << QStringLiteral("1/2/20 ") << QString()
                              << QStringLiteral("1/2/20");
        QTest::newRow("tax code") << QByteArray("txtCodFisc") << QStringLiteral(" rss mr")
                                  << QStringLiteral("à")
                                  << QStringLiteral("RSSMRà"); // a blank at the end vanishes as typed
    }
    // Blanks at the ends vanish as they are typed, a to z turn to capitals
    // (accented letters stay), and typing goes on at the end.
    void boxesKeptInCapitals()
    {
        QFETCH(QByteArray, box);
        QFETCH(QString, typed);
        QFETCH(QString, accented);
        QFETCH(QString, shown);
        DogCardFixture &f = *m_fixture;
        click(child(f.card(), "btnAlbero"));
        QLineEdit *edit = f.box(box.constData());
        QTest::keyClicks(edit, typed);
        edit->insert(accented);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(edit->cursorPosition(), shown.size());
    }

    void taxCodeButtonOpensTheRightCheck_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("window");
        QTest::newRow("digits") << QStringLiteral("12345678901") << QStringLiteral("frmPartitaIva");
        QTest::newRow("letters") << QStringLiteral("RSSMRA80A01H501U") << QStringLiteral("frmCodFisc");
        QTest::newRow("blank") << QString() << QStringLiteral("frmCodFisc");
    }
    void taxCodeButtonOpensTheRightCheck()
    {
        QFETCH(QString, code);
        QFETCH(QString, window);
        DogCardFixture &f = *m_fixture;
        click(child(f.card(), "btnAlbero"));
        f.box("txtCodFisc")->setText(code);
        QString opened;
        whenModalShown([&opened](QWidget *modal) {
            opened = modal->objectName();
            modal->close();
        });
        click(child(f.card(), "btnCodFisc"));
        QCOMPARE(opened, window);
        QCOMPARE(f.box("txtCodFisc")->text(), code);
    }

private:
    static void showSecondCard(DogCardFixture &f, ShownBy shownBy)
    {
        switch (shownBy) {
        case ShownBy::Arrows:
            click(child(f.card(), "cmdPrimo"));
            click(child(f.card(), "cmdAvanti"));
            break;
        case ShownBy::Search: {
            whenModalShown([](QWidget *search) {
                QTest::keyClicks(child<QLineEdit>(search, "txtNome"), QStringLiteral("Due"));
                click(child(search, "btnCerca"));
                auto *list = child<LineList>(search, "lstRecords");
                const QPoint at = list->visualRect(list->model()->index(0, 0)).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            });
            click(child(f.card(), "cmdTrova"));
            break;
        }
        case ShownBy::OwnSave:
            click(child(f.card(), "cmdPrimo"));
            click(child(f.card(), "cmdAvanti"));
            f.box("txtNote")->setText(QStringLiteral("salvata prima"));
            click(child(f.card(), "cmdSalva"));
            QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, modified }));
            break;
        }
    }

    std::unique_ptr<DogCardFixture> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmCaniEditing)
#include "tst_frmcani_editing.moc"
