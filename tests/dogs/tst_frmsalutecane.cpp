// The health booklet window of one dog, on a temporary program folder:
// adding, modifying and deleting entries with the due date the kind and the
// dog's age call for, the checks, the booster in one step, the due states
// by word and colour, the printed booklet and its PDF file, opening on one
// entry from the dog archive; and the dog card's button with its dot.

#include "AppFixture.h"
#include "ChildProcess.h"
#include "PdfTools.h"
#include "tst_frmcani_fixture.h"

#include "dogs/frmSaluteCane.h"
#include "kennel/HealthBooklet.h"
#include "storage/HealthRecord.h"
#include "ui/Theme.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using Kind = MessageBoxes::Kind;
using Shown = RecordingMessageBoxes::Shown;
using Answer = MessageBoxes::Answer;
constexpr auto OkAlone = MessageBoxes::Buttons::OkAlone;

namespace {

const QString bookletFile = u"Libretti_Sanitari.pro"_s;

// One record of the archive: the dog's position, date, kind, what, due date.
QByteArray healthEntry(int dog, const QString &date, const QString &kind, const QString &what, const QString &due,
                       const QString &notice = u"7"_s)
{
    return recordBytes(HealthRecord::layout(),
        { { HealthRecord::Cane, QString::number(dog) }, { HealthRecord::Data, date }, { HealthRecord::Tipo, kind },
            { HealthRecord::Cosa, what }, { HealthRecord::Scadenza, due }, { HealthRecord::Preavviso, notice } });
}

// "Birba", a Labrador born on 10/01/2025, as her card shows her.
RecordTexts birba(const QString &birth = u"10/01/2025"_s)
{
    Record card(DogRecord::layout());
    const std::pair<DogRecord::Field, QString> values[] = { { DogRecord::Nome, u"Birba"_s },
        { DogRecord::Razza, u"Labrador"_s }, { DogRecord::DataNasc, birth },
        { DogRecord::Microchip, u"380260000999999"_s }, { DogRecord::Vaccinazioni, u"Polivalente in allevamento"_s },
        { DogRecord::Profilassi, u"Antiparassitario mensile"_s } };
    QStringList texts;
    for (int field = 0; field < DogRecord::layout().fieldCount(); ++field)
        texts.append(QString());
    for (const auto &[field, text] : values)
        texts[field] = text;
    return RecordTexts(DogRecord::layout(), texts);
}

} // namespace

// The booklet of Birba, at position 5 of the dog archive, on 13/05/2025.
class HealthFixture : public TestContext
{
public:
    HealthFixture() { doubles.clock.current = QDateTime(QDate(2025, 5, 13), QTime(9, 30)); }

    void open(const QByteArray &file = {}, const QString &birth = u"10/01/2025"_s, qint64 entry = 0)
    {
        if (!file.isNull())
            writeFile(bookletFile, file);
        window = std::make_unique<frmSaluteCane>(context(), nullptr, birba(birth), 5, entry);
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            QTest::qFail("the booklet did not become active", __FILE__, __LINE__);
    }
    QLineEdit *box(const char *name) { return child<QLineEdit>(window.get(), name); }
    QComboBox *kind() { return child<QComboBox>(window.get(), "txtTipo"); }
    QComboBox *what() { return child<QComboBox>(window.get(), "txtCosa"); }
    QTableView *table() { return child<QTableView>(window.get(), "tblSalute"); }
    /// The table as shown: one line of its cells, joined by "|", per row.
    QStringList rows()
    {
        QStringList rows;
        const QAbstractItemModel *model = table()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells.append(model->index(row, column).data().toString());
            rows.append(cells.join(u'|'));
        }
        return rows;
    }
    int selectedRow()
    {
        const QModelIndexList rows = table()->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    void select(int row)
    {
        const QModelIndex index = table()->model()->index(row, 0);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualRect(index).center());
    }
    void type(const char *name, const QString &text)
    {
        box(name)->clear();
        QTest::keyClicks(box(name), text);
    }
    void chooseKind(const QString &name) { kind()->setCurrentIndex(kind()->findText(name)); }
    void press(const char *button) { click(child<QPushButton>(window.get(), button)); }
    /// One field of the archive's record at position.
    QString stored(int position, HealthRecord::Field field) const
    {
        return fieldAt(readFile(bookletFile), HealthRecord::layout(), position, field);
    }

    std::unique_ptr<frmSaluteCane> window;
};

class tst_FrmSaluteCane : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<HealthFixture>(); }
    void cleanup() { m_fixture.reset(); }

    // The window names the dog, shows the card's health notes beside the
    // booklet and offers a vaccination with the usual notice; another dog's
    // entries are not shown.
    void opensOnTheDogsOwnEntries()
    {
        HealthFixture &f = *m_fixture;
        f.open(healthEntry(3, u"01/03/2025"_s, u"Visita"_s, u"controllo"_s, QString())
            + healthEntry(5, u"02/03/2025"_s, u"Visita"_s, u"controllo"_s, QString()));
        QCOMPARE(f.window->windowTitle(), u" Libretto sanitario cane"_s);
        QCOMPARE(child<QLabel>(f.window.get(), "lblTitolo")->text(),
            u"Libretto sanitario di Birba  -  Razza: Labrador"_s);
        QCOMPARE(child<QLabel>(f.window.get(), "lblScheda1")->text(), u"Polivalente in allevamento"_s);
        QCOMPARE(child<QLabel>(f.window.get(), "lblScheda7")->text(), u"Antiparassitario mensile"_s);
        QCOMPARE(f.rows(), QStringList { u"02/03/2025|Visita|controllo|||||"_s });
        QCOMPARE(f.kind()->currentText(), u"Vaccinazione"_s);
        QCOMPARE(f.box("txtPreavviso")->text(), u"7"_s);
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    // Enter walks the boxes in the record's order, the drop-downs too, and
    // from the last box returns to the date.
    void enterWalksTheBoxes()
    {
        HealthFixture &f = *m_fixture;
        f.open();
        QStringList walked { AppFixture::focused() };
        for (int step = 0; step < 9; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            walked << AppFixture::focused();
        }
        QCOMPARE(walked,
            (QStringList { u"txtData"_s, u"txtTipo"_s, u"txtCosa"_s, u"txtLotto"_s, u"txtVeterinario"_s,
                u"txtEsito"_s, u"txtNote"_s, u"txtScadenza"_s, u"txtPreavviso"_s, u"txtData"_s }));
    }

    // Adding, modifying and deleting: the archive and the table agree after
    // each, and the entry added or changed is the one selected.
    void addModifyDelete()
    {
        HealthFixture &f = *m_fixture;
        f.open();
        f.type("txtData", u"01/04/2025"_s);
        QTest::keyClicks(f.what()->lineEdit(), u"parvovirosi"_s);
        f.type("txtLotto", u"L-77"_s);
        f.type("txtVeterinario", u"Dott. Neri"_s);
        QCOMPARE(f.box("txtScadenza")->text(), u"22/04/2025"_s); // a puppy's next dose, three weeks on
        f.press("btnAggiungi");
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(f.rows(), QStringList { u"01/04/2025|Vaccinazione|parvovirosi|L-77|Dott. Neri||22/04/2025|scaduto"_s });
        QCOMPARE(f.stored(1, HealthRecord::Cane), u"5"_s);
        QCOMPARE(f.stored(1, HealthRecord::Preavviso), u"7"_s);

        f.type("txtData", u"05/05/2025"_s);
        f.chooseKind(u"Esame/Test"_s);
        f.what()->setEditText(u"displasia"_s);
        f.type("txtEsito", u"HD A"_s);
        f.type("txtScadenza", QString()); // not to be repeated
        f.press("btnAggiungi");
        QCOMPARE(f.rows().last(), u"05/05/2025|Esame/Test|displasia|L-77|Dott. Neri|HD A||"_s);
        QCOMPARE(f.selectedRow(), 1);

        f.select(0);
        QCOMPARE(f.kind()->currentText(), u"Vaccinazione"_s);
        QCOMPARE(f.what()->currentText(), u"parvovirosi"_s);
        QCOMPARE(f.box("txtScadenza")->text(), u"22/04/2025"_s);
        f.type("txtScadenza", u"20/05/2025"_s);
        f.type("txtPreavviso", u"10"_s);
        f.press("btnModifica");
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(f.rows().first(), u"01/04/2025|Vaccinazione|parvovirosi|L-77|Dott. Neri||20/05/2025|in scadenza"_s);
        QCOMPARE(f.stored(1, HealthRecord::Preavviso), u"10"_s);
        QCOMPARE(f.selectedRow(), 0);

        f.select(1);
        f.doubles.messages.answerNextQuestions({ Answer::Yes });
        f.press("btnElimina");
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Question, u"Eliminare dal libretto la voce del 05/05/2025 (Esame/Test displasia)?"_s }));
        QCOMPARE(f.rows().size(), 1);
        QCOMPARE(f.stored(2, HealthRecord::Cane), QString()); // an empty slot
        QCOMPARE(f.box("txtData")->text(), QString());
        QCOMPARE(f.kind()->currentText(), u"Vaccinazione"_s);
    }

    // The due date follows the kind chosen and the date typed, for the
    // dog's age on that date; a date typed by hand is kept.
    void dueDateIsFilledIn_data()
    {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("due");
        QTest::newRow("puppy's vaccination") << u"10/01/2025"_s << u"Vaccinazione"_s << u"10/03/2025"_s << u"31/03/2025"_s;
        QTest::newRow("puppy's worming") << u"10/01/2025"_s << u"Sverminazione"_s << u"10/03/2025"_s << u"24/03/2025"_s;
        QTest::newRow("grown dog's booster") << u"10/01/2020"_s << u"Vaccinazione"_s << u"29/02/2024"_s << u"28/02/2025"_s;
        QTest::newRow("therapy: none") << u"10/01/2020"_s << u"Terapia"_s << u"10/03/2025"_s << QString();
    }

    void dueDateIsFilledIn()
    {
        QFETCH(QString, birth);
        QFETCH(QString, kind);
        QFETCH(QString, date);
        QFETCH(QString, due);
        HealthFixture &f = *m_fixture;
        f.open({}, birth);
        f.type("txtScadenza", u"01/01/2030"_s);
        f.chooseKind(kind);
        f.type("txtData", date);
        QCOMPARE(f.box("txtScadenza")->text(), due);
        f.type("txtScadenza", u"01/01/2030"_s);
        f.press("btnAggiungi");
        QCOMPARE(f.stored(1, HealthRecord::Scadenza), u"01/01/2030"_s);
    }

    // What the checks refuse is said, the box concerned gets the focus, and
    // nothing is stored.
    void refusedEntries_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("due");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no such date") << u"31/02/2025"_s << QString() << u"7"_s << u"txtData"_s;
        QTest::newRow("due before the date") << u"10/03/2025"_s << u"09/03/2025"_s << u"7"_s << u"txtScadenza"_s;
        QTest::newRow("no such due date") << u"10/03/2025"_s << u"32/03/2025"_s << u"7"_s << u"txtScadenza"_s;
        QTest::newRow("notice") << u"10/03/2025"_s << QString() << u"una settimana"_s << u"txtPreavviso"_s;
    }

    void refusedEntries()
    {
        QFETCH(QString, date);
        QFETCH(QString, due);
        QFETCH(QString, notice);
        QFETCH(QString, focus);
        HealthFixture &f = *m_fixture;
        f.open();
        f.type("txtData", date);
        f.type("txtScadenza", due);
        f.type("txtPreavviso", notice);
        f.press("btnAggiungi");
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Warning, HealthBooklet::check(date, due, notice)->message, OkAlone }));
        QCOMPARE(AppFixture::focused(), focus);
        QCOMPARE(f.readFile(bookletFile).size(), 0);
    }

    // Modify, delete and the booster need an entry chosen in the list.
    void actionsNeedASelection()
    {
        HealthFixture &f = *m_fixture;
        f.open();
        f.press("btnModifica");
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Information, u"Modifica non applicabile: il libretto non contiene nessuna voce."_s, OkAlone }));
        f.window.reset();
        f.open(healthEntry(5, u"02/03/2025"_s, u"Visita"_s, QString(), QString()));
        for (const char *button : { "btnElimina", "btnRichiamo" }) {
            f.press(button);
            QCOMPARE(f.doubles.messages.takeOnly(),
                (Shown { Kind::Warning,
                    u"Attenzione: selezionare una voce dall'elenco prima di premere il pulsante %1."_s.arg(
                        child<QPushButton>(f.window.get(), button)->text()),
                    OkAlone }));
        }
        QCOMPARE(f.rows().size(), 1);
    }

    // Another copy of the program deletes the selected entry and adds one,
    // which takes its slot: neither Modify nor Delete touches the new one.
    void anEntryChangedByAnotherCopyIsLeftAlone_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<Shown>>("asked"); // before the warning
        QTest::newRow("modify") << u"btnModifica"_s << QList<Shown> {};
        QTest::newRow("delete") << u"btnElimina"_s
                                << QList<Shown> { { Kind::Question,
                                       u"Eliminare dal libretto la voce del 02/03/2025 (Visita)?"_s } };
    }

    void anEntryChangedByAnotherCopyIsLeftAlone()
    {
        QFETCH(QString, button);
        QFETCH(QList<Shown>, asked);
        HealthFixture &f = *m_fixture;
        f.open(healthEntry(5, u"02/03/2025"_s, u"Visita"_s, QString(), QString()));
        f.select(0);
        const QString path = f.path(bookletFile);
        QCOMPARE(inChild([&] {
            const HealthBooklet::Booklet read = HealthBooklet::read(path, 5);
            if (!HealthBooklet::remove(path, read.entries[0]))
                return 1;
            HealthBooklet::Entry other;
            other.dog = 3;
            other.date = QDate(2025, 3, 9);
            other.kind = HealthDue::Kind::Visita;
            return HealthBooklet::add(path, other) == 1 ? 0 : 2;
        }),
            0);
        const QByteArray otherCopys = f.readFile(bookletFile);
        f.doubles.messages.answerNextQuestions({ Answer::Yes });
        f.press(button.toLatin1().constData());
        asked.append({ Kind::Warning,
            QString::fromUtf8("La voce è stata modificata da un'altra copia del programma: il libretto viene riletto."),
            OkAlone });
        QCOMPARE(f.doubles.messages.shown, asked);
        QCOMPARE(f.readFile(bookletFile), otherCopys);
        QCOMPARE(f.rows(), QStringList());
    }

    // The booster of the selected entry is recorded today in one step, due
    // after the usual interval for the dog's age; the entry it repeats is
    // no longer due.
    void boosterInOneStep()
    {
        HealthFixture &f = *m_fixture;
        f.open(healthEntry(5, u"28/04/2025"_s, u"Vaccinazione"_s, u"rabbia"_s, u"12/05/2025"_s)
            + healthEntry(5, u"01/05/2025"_s, u"Visita"_s, QString(), QString()));
        QCOMPARE(f.rows().first(), u"28/04/2025|Vaccinazione|rabbia||||12/05/2025|scaduto"_s);
        f.select(0);
        f.press("btnRichiamo");
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(f.rows(), (QStringList { u"28/04/2025|Vaccinazione|rabbia||||12/05/2025|"_s,
                               u"01/05/2025|Visita||||||"_s, u"13/05/2025|Vaccinazione|rabbia||||13/05/2026|ok"_s }));
        QCOMPARE(f.selectedRow(), 2);
        QCOMPARE(f.box("txtData")->text(), u"13/05/2025"_s);
        QCOMPARE(f.stored(3, HealthRecord::Cane), u"5"_s);
    }

    // Each state is said by its word and shown by its colour in the Stato
    // column; an entry without due date, or repeated, has neither.
    void statesByWordAndColour()
    {
        HealthFixture &f = *m_fixture;
        f.open(healthEntry(5, u"01/04/2025"_s, u"Sverminazione"_s, u"a"_s, u"12/05/2025"_s)
            + healthEntry(5, u"02/04/2025"_s, u"Antiparassitario"_s, u"b"_s, u"20/05/2025"_s)
            + healthEntry(5, u"03/04/2025"_s, u"Visita"_s, u"c"_s, u"21/05/2025"_s)
            + healthEntry(5, u"04/04/2025"_s, u"Terapia"_s, u"d"_s, QString()));
        const struct
        {
            QString word;
            std::optional<Theme::Colour> colour;
        } expected[] = { { u"scaduto"_s, Theme::Colour::DueOverdue }, { u"in scadenza"_s, Theme::Colour::DueSoon },
            { u"ok"_s, Theme::Colour::DueOk }, { QString(), std::nullopt } };
        const QImage shown = f.table()->viewport()->grab().toImage();
        for (int row = 0; row < 4; ++row) {
            const QModelIndex cell = f.table()->model()->index(row, 7);
            QCOMPARE(cell.data().toString(), expected[row].word);
            const QColor pixel = shown.pixelColor(f.table()->visualRect(cell).topLeft() + QPoint(3, 3));
            if (expected[row].colour)
                QCOMPARE(pixel, Theme::colour(*expected[row].colour));
            else
                QVERIFY(pixel != Theme::colour(Theme::Colour::DueOk) && pixel != Theme::colour(Theme::Colour::DueSoon));
        }
    }

    // The preview and the PDF file carry the title, the dog's identity with
    // the microchip, and every entry with its due date and state.
    void printAndPdf()
    {
        HealthFixture &f = *m_fixture;
        f.open(healthEntry(5, u"28/04/2025"_s, u"Vaccinazione"_s, u"rabbia"_s, u"12/05/2025"_s)
            + healthEntry(5, u"02/05/2025"_s, u"Sverminazione"_s, u"pasta"_s, u"16/05/2025"_s));
        f.press("cmdStampa");
        QCOMPARE(f.doubles.printing.previewed.size(), size_t(1));
        const QStringList texts = reportTexts(f.doubles.printing.previewed.front());
        QVERIFY(texts.contains(u"Libretto sanitario di Birba  -  Razza: Labrador"_s));
        const QString all = texts.join(u'\n');
        for (const QString &expected : { u"Microchip: 380260000999999"_s, u"Data di nascita: 10/01/2025"_s,
                 u"12/05/2025"_s, u"scaduto"_s, u"in scadenza"_s, u"Sverminazione"_s })
            QVERIFY2(all.contains(expected), qPrintable(expected));

        const QString pdf = f.path(u"Libretto_Birba.pdf"_s);
        f.doubles.fileDialogs.answers.enqueue(pdf);
        f.doubles.messages.answerNextQuestions({ Answer::No });
        f.press("cmdPdf");
        QCOMPARE(f.doubles.fileDialogs.asked.takeFirst().save.proposedName, u"Libretto_Birba.pdf"_s);
        QVERIFY(f.doubles.messages.takeOnly().text.startsWith(
            u"L'esportazione del libretto sanitario in PDF è terminata con successo"_s));
        const QString text = pdfText(pdf);
        for (const QString &expected : { u"Libretto sanitario di Birba"_s, u"Microchip: 380260000999999"_s,
                 u"Scadenza"_s, u"16/05/2025"_s, u"in scadenza"_s, u"scaduto"_s, u"rabbia"_s })
            QVERIFY2(text.contains(expected), qPrintable(expected));
    }

    // Opened from the dog archive on one entry: the dog as stored, the
    // entry selected in its boxes. A dog no longer there, or an archive that
    // cannot be read, is said and opens nothing.
    void opensOnAnEntry()
    {
        HealthFixture &f = *m_fixture;
        DogValues sanna = DogCardFixture::head(u"Sanna"_s);
        sanna[DogRecord::Microchip] = u"380000000000001"_s;
        sanna[DogRecord::Sverminazioni] = u"Ogni tre mesi"_s;
        f.writeFile(DogRecord::fileName,
            DogCardFixture::dogRecord(DogCardFixture::head(u"Rex"_s)) + DogCardFixture::dogRecord(sanna));
        f.writeFile(bookletFile,
            healthEntry(2, u"01/03/2025"_s, u"Visita"_s, u"prima"_s, QString())
                + healthEntry(1, u"01/03/2025"_s, u"Visita"_s, u"di Rex"_s, QString())
                + healthEntry(2, u"01/04/2025"_s, u"Vaccinazione"_s, u"rabbia"_s, u"01/04/2026"_s)
                + healthEntry(2, u"01/05/2025"_s, u"Visita"_s, u"ultima"_s, QString()));
        bool shown = false;
        whenModalShown([&](QWidget *window) {
            shown = true;
            QCOMPARE(window->objectName(), u"frmSaluteCane"_s);
            QCOMPARE(child<QLabel>(window, "lblTitolo")->text(), u"Libretto sanitario di Sanna  -  Razza: Pastore"_s);
            QCOMPARE(child<QLabel>(window, "lblScheda2")->text(), u"Ogni tre mesi"_s);
            auto *table = child<QTableView>(window, "tblSalute");
            QCOMPARE(table->model()->rowCount(), 3);
            QCOMPARE(table->selectionModel()->selectedRows().first().row(), 1);
            QCOMPARE(child<QComboBox>(window, "txtCosa")->currentText(), u"rabbia"_s);
            window->close();
        });
        QVERIFY(frmSaluteCane::openOn(f.context(), nullptr, 2, 3));
        QVERIFY(shown);
        QVERIFY(f.doubles.messages.shown.isEmpty());

        QVERIFY(!frmSaluteCane::openOn(f.context(), nullptr, 3, 1));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Warning,
                QString::fromUtf8("Attenzione: la scheda del cane non si trova più in archivio: il suo libretto "
                                  "sanitario non può essere aperto."),
                OkAlone }));
        QVERIFY(QFile::remove(f.path(DogRecord::fileName)));
        QVERIFY(QDir().mkdir(f.path(DogRecord::fileName)));
        QVERIFY(!frmSaluteCane::openOn(f.context(), nullptr, 1, 1));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Warning, accessMessage(), OkAlone }));
    }

    // The card opens the booklet only for a stored card with a name and a
    // breed, with the costs' warnings. Its dot follows the card shown and
    // what the booklet holds when it closes; a booklet that cannot be read
    // shows no dot and says nothing.
    void cardButtonAndDot()
    {
        m_fixture.reset();
        DogCardFixture f;
        f.doubles.clock.current = QDateTime(QDate(2025, 5, 13), QTime(9, 30));
        f.writeArchive({ u"Rex"_s, u"Sanna"_s, u"Tobia"_s });
        f.writeFile(bookletFile,
            healthEntry(1, u"01/04/2025"_s, u"Visita"_s, QString(), u"01/05/2025"_s)
                + healthEntry(2, u"01/05/2025"_s, u"Visita"_s, QString(), u"15/05/2025"_s));
        auto *button = child<QPushButton>(f.card(), "btnSalute");
        auto *dot = child<QLabel>(button, "imgAvvisoSalute");
        const auto dotColour = [dot] { return dot->grab().toImage().pixelColor(dot->rect().center()); };

        click(child(f.card(), "btnDocumenti"));
        click(button);
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Warning,
                QString::fromUtf8("Attenzione: la gestione del libretto sanitario può avvenire soltanto dopo che "
                                  "la scheda del cane è stata salvata in archivio.") }));
        QVERIFY(dot->isHidden());

        click(child(f.card(), "cmdPrimo"));
        QVERIFY(!dot->isHidden());
        QCOMPARE(dotColour(), Theme::colour(Theme::Colour::DueOverdue));
        QCOMPARE(button->toolTip(), u"Trattamenti scaduti"_s);
        click(child(f.card(), "cmdAvanti"));
        QCOMPARE(dotColour(), Theme::colour(Theme::Colour::DueSoon));
        QCOMPARE(button->toolTip(), u"Trattamenti in scadenza"_s);
        click(child(f.card(), "cmdAvanti"));
        QVERIFY(dot->isHidden());
        QCOMPARE(button->toolTip(), QString());

        // Tobia's booklet gains an overdue vaccination: the dot shows it
        // once the booklet closes.
        bool shown = false;
        whenModalShown([&](QWidget *window) {
            shown = true;
            QCOMPARE(child<QLabel>(window, "lblTitolo")->text(), u"Libretto sanitario di Tobia  -  Razza: Pastore"_s);
            QTest::keyClicks(child<QLineEdit>(window, "txtData"), u"01/03/2025"_s);
            child<QLineEdit>(window, "txtScadenza")->clear();
            QTest::keyClicks(child<QLineEdit>(window, "txtScadenza"), u"01/04/2025"_s);
            click(child<QPushButton>(window, "btnAggiungi"));
            click(child<QPushButton>(window, "btnChiudi"));
        });
        click(button);
        QVERIFY(shown);
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(fieldAt(f.readFile(bookletFile), HealthRecord::layout(), 3, HealthRecord::Cane), u"3"_s);
        QVERIFY(!dot->isHidden());
        QCOMPARE(dotColour(), Theme::colour(Theme::Colour::DueOverdue));

        click(child(f.card(), "cmdNuovo"));
        QVERIFY(dot->isHidden());

        QVERIFY(QFile::remove(f.path(bookletFile)));
        QVERIFY(QDir().mkdir(f.path(bookletFile)));
        click(child(f.card(), "cmdPrimo"));
        QVERIFY(dot->isHidden());
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

private:
    std::unique_ptr<HealthFixture> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmSaluteCane)
#include "tst_frmsalutecane.moc"
