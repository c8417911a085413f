// The costs window of one dog, on a temporary program folder: the list and
// its total, the amount box, adding and modifying costs, find-next and the
// printed summary.

#include "AppFixture.h"
#include "ChildProcess.h"

#include "kennel/CostList.h"
#include "dogs/frmCostiCane.h"
#include "storage/CostRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using Kind = MessageBoxes::Kind;
using Shown = RecordingMessageBoxes::Shown;

namespace {

const QString costFile = u"Costi_Cane_5.pro"_s;
const QString inserted = u"La scheda corrente è stata inserita in archivio."_s;
const QString replaced = u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s;

Record cost(const QString &reason, const QString &amount, const QString &payer = u"Anna"_s)
{
    Record record(CostRecord::layout());
    record.setValue(CostRecord::Data, u"01/03/2024"_s);
    record.setValue(CostRecord::Causale, reason);
    record.setValue(CostRecord::Pagatore, payer);
    record.setValue(CostRecord::Beneficiario, u"Dr. Neri"_s);
    record.setValue(CostRecord::Importo, amount);
    return record;
}

} // namespace

// The costs of the dog "Birba", a Pastore at position 5.
class CostsFixture : public TestContext
{
public:
    /// Opens the window on the cost file holding these costs (none: no file).
    void open(const QList<Record> &costs = {})
    {
        if (!costs.isEmpty()) {
            QByteArray bytes;
            for (const Record &record : costs)
                bytes += record.bytes();
            writeFile(costFile, bytes);
        }
        window = std::make_unique<frmCostiCane>(
            context(), nullptr, frmCostiCane::Dog { u" Birba "_s, u"Pastore "_s, u"5"_s });
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            QTest::qFail("the costs window did not become active", __FILE__, __LINE__);
    }

    QLineEdit *box(const char *name) { return child<QLineEdit>(window.get(), name); }
    QString label(const char *name) { return child<QLabel>(window.get(), name)->text(); }
    QListView *list() { return child<QListView>(window.get(), "lstRecords"); }
    QStringList lines()
    {
        QStringList lines;
        for (int row = 0; row < list()->model()->rowCount(); ++row)
            lines.append(list()->model()->index(row, 0).data().toString());
        return lines;
    }
    int selectedRow()
    {
        const QModelIndexList selected = list()->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? -1 : selected.first().row();
    }
    void select(int row)
    {
        const QModelIndex index = list()->model()->index(row, 0);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualRect(index).center());
    }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    /// The costs stored in the file, in order.
    QList<Record> stored() const
    {
        const QByteArray bytes = readFile(costFile);
        QList<Record> costs;
        for (qsizetype at = 0; at + CostRecord::recordSize <= bytes.size(); at += CostRecord::recordSize) {
            Record record(CostRecord::layout());
            std::copy_n(bytes.constData() + at, CostRecord::recordSize, record.data());
            costs.append(record);
        }
        return costs;
    }
    void fillEntry(const QString &date, const QString &reason, const QString &payer, const QString &payee,
                   const QString &amount)
    {
        const std::pair<const char *, QString> values[] = { { "txtData", date }, { "txtCausale", reason },
            { "txtPagatore", payer }, { "txtBeneficiario", payee }, { "txtImporto", amount } };
        for (const auto &[name, text] : values) {
            box(name)->setFocus(); // as a click in the box: leaving the amount box tidies it
            box(name)->clear();
            QTest::keyClicks(box(name), text);
        }
    }

    std::unique_ptr<frmCostiCane> window;
};

class tst_FrmCostiCane : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<CostsFixture>(); }
    void cleanup() { m_fixture.reset(); }

    // Costs with an amount are listed in file order and summed; a cost
    // emptied of its amount outside the application is neither.
    void listAndTotal()
    {
        CostsFixture &f = *m_fixture;
        f.open({ cost(u"Vaccino"_s, u"10,10"_s), cost(u"Nascosto"_s, QString()), cost(u"Cibo"_s, u"20,20"_s) });
        QCOMPARE(f.lines(), (QStringList { CostList::line(cost(u"Vaccino"_s, u"10,10"_s)),
                                CostList::line(cost(u"Cibo"_s, u"20,20"_s)) }));
        QCOMPARE(f.label("lblTotale"), u"€ 30,30"_s);
        QCOMPARE(f.label("lblTitolo"), u"Birba  -  Razza: Pastore"_s);
        QCOMPARE(f.focused(), u"txtTrova"_s);
    }

    // However long the other lines, each line is laid out whole: its amount is
    // never cut short, and scrolling sideways brings it into view.
    void everyLineShowsWhole()
    {
        CostsFixture &f = *m_fixture;
        f.open({ cost(u"Pensione"_s, u"123456789012,00"_s), cost(u"Cibo"_s, u"1,00"_s) });
        for (int row = 0; row < 2; ++row) {
            const QString line = f.lines()[row];
            QVERIFY2(f.list()->visualRect(f.list()->model()->index(row, 0)).width()
                    > f.list()->fontMetrics().horizontalAdvance(line),
                qPrintable(line));
        }
        QVERIFY(f.list()->horizontalScrollBar()->maximum() + f.list()->viewport()->width()
            > f.list()->fontMetrics().horizontalAdvance(f.lines()[0]));
        QCOMPARE(f.list()->textElideMode(), Qt::ElideNone);
    }

    // A cost file that cannot be read is said, as any failure of the log's
    // file, and leaves the window as it opened: an empty list, a bare total.
    void anUnreadableFileIsReported()
    {
        CostsFixture &f = *m_fixture;
        QVERIFY(QDir().mkdir(f.path(costFile)));
        f.open();
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Warning, accessMessage() }));
        QVERIFY(f.lines().isEmpty());
        QCOMPARE(f.label("lblTotale"), u"0,00"_s);
        QVERIFY(f.window->isVisible());
    }

    // The amount box takes digits and commas only and gives the amount its
    // two decimals when left; Enter leaves it for the date.
    void amountBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole") << u"12"_s << u"12,00"_s;
        QTest::newRow("one decimal") << u"12,5"_s << u"12,50"_s;
        QTest::newRow("rounded up") << u"12,345"_s << u"12,35"_s;
        QTest::newRow("binary 0,125") << u"0,125"_s << u"0,13"_s;
        QTest::newRow("binary 1,005") << u"1,005"_s << u"1,00"_s;
        QTest::newRow("comma first") << u",5"_s << u"0,50"_s;
        QTest::newRow("point and minus swallowed") << u"-1.5"_s << u"15,00"_s;
        QTest::newRow("letters swallowed") << u"dieci"_s << u"0,00"_s;
        QTest::newRow("two commas") << u"1,2,3"_s << u"0,00"_s;
        QTest::newRow("too long for the field") << u"1234567890123"_s << u"0,00"_s;
    }

    void amountBox()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        CostsFixture &f = *m_fixture;
        f.open();
        click(child(f.window.get(), "btnAggiungi"));
        QLineEdit *amount = f.box("txtImporto");
        amount->setFocus();
        amount->selectAll();
        QTest::keyClick(amount, Qt::Key_Backspace);
        QTest::keyClicks(amount, typed);
        QTest::keyClick(amount, Qt::Key_Tab); // swallowed: the box keeps the focus
        QCOMPARE(f.focused(), u"txtImporto"_s);
        QTest::keyClick(amount, Qt::Key_Return);
        QCOMPARE(f.focused(), u"txtData"_s);
        QCOMPARE(amount->text(), shown);
    }

    // Add appends; a second Save replaces the same cost. Modify then Save
    // twice writes over the cost it edits: the file keeps its count.
    void addThenModifyKeepTheRecordCount()
    {
        CostsFixture &f = *m_fixture;
        f.open({ cost(u"Vaccino"_s, u"45,00"_s) });
        click(child(f.window.get(), "btnAggiungi"));
        QVERIFY(child(f.window.get(), "panCosti")->isVisible());
        QVERIFY(!child(f.window.get(), "panContainer")->isVisible());
        QCOMPARE(f.box("txtImporto")->text(), u"0,00"_s);
        QCOMPARE(f.focused(), u"txtData"_s);
        f.fillEntry(u"02/03/2024"_s, u"Cibo"_s, u"Anna"_s, u"Negozio"_s, u"20,5"_s);
        click(child(f.window.get(), "btnSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, inserted }));
        QCOMPARE(f.label("lblPosizione"), u"2"_s);
        click(child(f.window.get(), "btnSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, replaced }));
        QCOMPARE(f.stored().size(), 2);
        QCOMPARE(f.stored()[1].value(CostRecord::Importo), u"20,50"_s);
        QCOMPARE(f.stored()[1].value(CostRecord::Beneficiario), u"Negozio"_s);

        f.open(f.stored());
        f.select(0);
        click(child(f.window.get(), "btnModifica"));
        QCOMPARE(f.box("txtCausale")->text(), u"Vaccino"_s);
        QCOMPARE(f.label("lblPosizione"), u"1"_s);
        f.box("txtCausale")->setText(u"Vaccino rabbia"_s);
        click(child(f.window.get(), "btnSalva"));
        click(child(f.window.get(), "btnSalva"));
        QCOMPARE(f.doubles.messages.shown,
                 (QList<Shown> { { Kind::Information, replaced }, { Kind::Information, replaced } }));
        QCOMPARE(f.stored().size(), 2);
        QCOMPARE(f.stored()[0].value(CostRecord::Causale), u"Vaccino rabbia"_s);
        QCOMPARE(f.stored()[1].value(CostRecord::Causale), u"Cibo"_s);
    }

    // Two costs with identical values: Modify on either edits the later one.
    void identicalCostsEditTheLater()
    {
        CostsFixture &f = *m_fixture;
        const Record same = cost(u"Toelettatura"_s, u"30,00"_s);
        f.open({ same, cost(u"Cibo"_s, u"5,00"_s), same });
        f.select(0);
        click(child(f.window.get(), "btnModifica"));
        QCOMPARE(f.label("lblPosizione"), u"3"_s);
        f.box("txtImporto")->setText(u"35,00"_s);
        click(child(f.window.get(), "btnSalva"));
        f.doubles.messages.takeOnly();
        QCOMPARE(f.stored()[0].bytes(), same.bytes());
        QCOMPARE(f.stored()[2].value(CostRecord::Importo), u"35,00"_s);
    }

    void modifyNeedsASelectedLine()
    {
        CostsFixture &f = *m_fixture;
        f.open();
        click(child(f.window.get(), "btnModifica"));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Information, u"Modifica non applicabile: la lista non contiene nessuna voce."_s }));

        f.open({ cost(u"Cibo"_s, u"5,00"_s) });
        click(child(f.window.get(), "btnModifica"));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Warning,
                u"Attenzione: selezionare una voce dall'elenco prima di premere il pulsante di modifica."_s }));
        QVERIFY(child(f.window.get(), "panContainer")->isVisible());
    }

    // The cost file gone unreadable under the window: Modify shows the cost
    // picked as it was listed; Save says the file cannot be reached and keeps
    // the entry, and the window stays.
    void aFileGoneUnreadableIsReportedOnSave()
    {
        CostsFixture &f = *m_fixture;
        f.open({ cost(u"Cibo"_s, u"5,00"_s) });
        f.select(0);
        QVERIFY(QFile::remove(f.path(costFile)));
        QVERIFY(QDir().mkdir(f.path(costFile)));
        click(child(f.window.get(), "btnModifica"));
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QVERIFY(child(f.window.get(), "panCosti")->isVisible());
        QCOMPARE(f.box("txtCausale")->text(), u"Cibo"_s);
        QCOMPARE(f.label("lblPosizione"), u"1"_s);
        f.box("txtImporto")->setText(u"6,00"_s);
        click(child(f.window.get(), "btnSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Warning, accessMessage() }));
        QVERIFY(f.window->isVisible());
        QVERIFY(child(f.window.get(), "panCosti")->isVisible());
        QCOMPARE(f.box("txtImporto")->text(), u"6,00"_s);
    }

    // Another copy of the program changes the cost being modified: Save
    // writes nothing, says so, and shows the list as the other copy left it.
    // A cost just added is replaced by a second Save only while untouched.
    void aCostChangedByAnotherCopyIsLeftAlone_data()
    {
        QTest::addColumn<bool>("added"); // else modified
        QTest::newRow("modified") << false;
        QTest::newRow("added, then saved again") << true;
    }

    void aCostChangedByAnotherCopyIsLeftAlone()
    {
        QFETCH(bool, added);
        CostsFixture &f = *m_fixture;
        f.open({ cost(u"Cibo"_s, u"5,00"_s), cost(u"Vaccino"_s, u"45,00"_s) });
        if (added) {
            click(child(f.window.get(), "btnAggiungi"));
            f.fillEntry(u"02/03/2024"_s, u"Pensione"_s, u"Anna"_s, u"Canile"_s, u"80"_s);
            click(child(f.window.get(), "btnSalva"));
            QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, inserted }));
        } else {
            f.select(1);
            click(child(f.window.get(), "btnModifica"));
        }
        const qint64 index = added ? 2 : 1;
        const QString path = f.path(costFile);
        QCOMPARE(inChild([&] {
            RecordFile file;
            file.openOrCreate(path, CostRecord::recordSize);
            file.seekRecord(index);
            file.writeNext(cost(u"Dall'altra copia"_s, u"9,00"_s));
            file.closeFile();
            return 0;
        }),
            0);
        const QByteArray otherCopys = f.readFile(costFile);

        f.box("txtImporto")->setText(u"50,00"_s);
        click(child(f.window.get(), "btnSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Warning,
                QString::fromUtf8("Il costo è stato modificato da un'altra copia del "
                                  "programma: l'elenco viene riletto.") }));
        QCOMPARE(f.readFile(costFile), otherCopys);
        QVERIFY(child(f.window.get(), "panContainer")->isVisible());
        QVERIFY(!child(f.window.get(), "panCosti")->isVisible());
        QCOMPARE(f.lines().size(), added ? 3 : 2);
        QCOMPARE(f.lines().last(), CostList::line(cost(u"Dall'altra copia"_s, u"9,00"_s)));
        QCOMPARE(f.label("lblTotale"), added ? u"€ 59,00"_s : u"€ 14,00"_s);
        f.window->close(); // nothing left to save: no question
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    // Records whose fields do not fit are left out of the list and the total
    // and counted, singular or plural, when the window opens.
    void unreadableRecordsAreCounted_data()
    {
        QTest::addColumn<int>("unreadable");
        QTest::addColumn<QString>("message");
        QTest::newRow("one") << 1
                             << QString::fromUtf8(
                                    "Attenzione: 1 costo non è stato mostrato né sommato al totale "
                                    "perché i suoi dati non sono leggibili.");
        QTest::newRow("two") << 2
                             << QString::fromUtf8(
                                    "Attenzione: 2 costi non sono stati mostrati né sommati al totale "
                                    "perché i loro dati non sono leggibili.");
    }

    void unreadableRecordsAreCounted()
    {
        QFETCH(int, unreadable);
        QFETCH(QString, message);
        CostsFixture &f = *m_fixture;
        QList<Record> costs { cost(u"Cibo"_s, u"5,00"_s) };
        for (int i = 0; i < unreadable; ++i) {
            Record damaged = cost(u"Danneggiato"_s, u"7,00"_s);
            damaged.data()[CostRecord::layout().field(CostRecord::Importo).offset] = char(200);
            costs.append(damaged);
        }
        f.open(costs);
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Warning, message }));
        QCOMPARE(f.lines(), QStringList { CostList::line(cost(u"Cibo"_s, u"5,00"_s)) });
        QCOMPARE(f.label("lblTotale"), u"€ 5,00"_s);
    }

    // A cost file larger than any list is refused unread: the window names
    // it, shows an empty list, and saving a new cost writes nothing.
    void anOversizedFileIsRefused()
    {
        CostsFixture &f = *m_fixture;
        const qint64 size = qint64(10) * 1024 * 1024 * 1024;
        {
            QFile sparse(f.path(costFile));
            QVERIFY(sparse.open(QIODevice::WriteOnly));
            QVERIFY(sparse.resize(size));
        }
        const Shown refused { Kind::Warning,
            QString::fromUtf8("Attenzione: il file %1 è troppo grande per essere un archivio del "
                              "programma e potrebbe essere danneggiato: non viene né letto né "
                              "modificato.")
                .arg(QDir::toNativeSeparators(f.path(costFile))) };
        f.open();
        QCOMPARE(f.doubles.messages.takeOnly(), refused);
        QVERIFY(f.lines().isEmpty());
        QCOMPARE(f.label("lblTotale"), u"0,00"_s);
        click(child(f.window.get(), "btnAggiungi"));
        f.fillEntry(u"02/03/2024"_s, u"Cibo"_s, u"Anna"_s, u"Negozio"_s, u"20,00"_s);
        click(child(f.window.get(), "btnSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), refused);
        QCOMPARE(QFileInfo(f.path(costFile)).size(), size);
        QFile sparse(f.path(costFile));
        QVERIFY(sparse.open(QIODevice::ReadOnly));
        QCOMPARE(sparse.read(CostRecord::recordSize), QByteArray(CostRecord::recordSize, '\0'));
    }

    void saveNeedsEveryBox_data()
    {
        QTest::addColumn<QString>("blank");
        QTest::addColumn<QString>("warning");
        QTest::newRow("date") << u"txtData"_s
                              << u"Attenzione: per salvare la scheda è necessario indicare la data del costo sostenuto."_s;
        QTest::newRow("reason") << u"txtCausale"_s
                                << u"Attenzione: per salvare la scheda è necessario indicare la causale del costo."_s;
        QTest::newRow("payer") << u"txtPagatore"_s
                               << u"Attenzione: per salvare la scheda è necessario indicare il nome del pagatore."_s;
        QTest::newRow("payee")
            << u"txtBeneficiario"_s
            << u"Attenzione: per salvare la scheda è necessario indicare il nome del beneficiario."_s;
        QTest::newRow("amount") << u"txtImporto"_s
                                << u"Attenzione: per salvare la scheda è necessario indicare l'importo pagato."_s;
    }

    void saveNeedsEveryBox()
    {
        QFETCH(QString, blank);
        QFETCH(QString, warning);
        CostsFixture &f = *m_fixture;
        f.open();
        click(child(f.window.get(), "btnAggiungi"));
        f.fillEntry(u"02/03/2024"_s, u"Cibo"_s, u"Anna"_s, u"Negozio"_s, u"20,00"_s);
        f.box("txtData")->setFocus(); // the amount box, once left, is never blank
        // Every box after the blank one is blank too: the first is reported.
        bool after = false;
        for (const char *name : { "txtData", "txtCausale", "txtPagatore", "txtBeneficiario", "txtImporto" }) {
            after = after || blank == QLatin1StringView(name);
            if (after)
                f.box(name)->setText(u"  "_s);
        }
        click(child(f.window.get(), "btnSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Warning, warning }));
        QCOMPARE(f.focused(), blank);
        QCOMPARE(QFileInfo(f.path(costFile)).size(), 0);
    }

    void saveFailureWarnsAndKeepsTheEntry()
    {
        CostsFixture &f = *m_fixture;
        f.open();
        click(child(f.window.get(), "btnAggiungi"));
        f.fillEntry(u"02/03/2024"_s, u"Cibo"_s, u"Anna"_s, u"Negozio"_s, u"20,00"_s);
        QVERIFY(QFile::remove(f.path(costFile)));
        QVERIFY(QDir().mkdir(f.path(costFile)));
        click(child(f.window.get(), "btnSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Warning, accessMessage() }));
        QCOMPARE(f.label("lblPosizione"), QString());
        QCOMPARE(f.box("txtCausale")->text(), u"Cibo"_s);
        QVERIFY(child(f.window.get(), "panCosti")->isVisible());
    }

    void todayFillsTheDate()
    {
        CostsFixture &f = *m_fixture;
        f.doubles.clock.current = QDateTime(QDate(2024, 3, 7), QTime(18, 0));
        f.open();
        click(child(f.window.get(), "btnAggiungi"));
        click(child(f.window.get(), "impData"));
        QCOMPARE(f.box("txtData")->text(), u"07/03/2024"_s);
    }

    // Lines 2 and 5 hold the word, in either case: line 2, line 5, line 2.
    // Enter takes the focus to "Trova", and the next Enter presses it.
    void findNextWraps()
    {
        CostsFixture &f = *m_fixture;
        f.open({ cost(u"Cibo"_s, u"1,00"_s), cost(u"Visita VETERINARIA"_s, u"2,00"_s), cost(u"Cibo"_s, u"3,00"_s),
            cost(u"Guinzaglio"_s, u"4,00"_s), cost(u"Richiamo veterinaria"_s, u"5,00"_s) });
        QTest::keyClicks(f.box("txtTrova"), u"Veterinaria"_s);
        QTest::keyClick(f.box("txtTrova"), Qt::Key_Return);
        QCOMPARE(f.focused(), u"btnTrova"_s);
        QCOMPARE(f.selectedRow(), -1);
        QTest::keyClick(child(f.window.get(), "btnTrova"), Qt::Key_Return);
        QCOMPARE(f.selectedRow(), 1);
        for (int expected : { 4, 1 }) {
            click(child(f.window.get(), "btnTrova"));
            QCOMPARE(f.selectedRow(), expected);
        }
    }

    void printedSummary_data()
    {
        QTest::addColumn<QList<Record>>("costs");
        QTest::newRow("two costs") << QList<Record> { cost(u"Cibo"_s, u"10,10"_s), cost(u"Visita"_s, u"20,20"_s) };
        QTest::newRow("no costs") << QList<Record>();
    }

    void printedSummary()
    {
        QFETCH(QList<Record>, costs);
        CostsFixture &f = *m_fixture;
        f.open(costs);
        const QStringList lines = f.lines();
        click(child(f.window.get(), "btnStampa"));
        QCOMPARE(f.doubles.printing.printed.size(), size_t(1));
        QVERIFY(f.doubles.printing.previewed.empty());
        const QStringList texts = reportTexts(f.doubles.printing.printed.front());
        const QString total = costs.isEmpty() ? u"€ 0,00"_s : u"€ 30,30"_s;
        const QStringList expected = QStringList { u"Riepilogo costi sostenuti per Birba  -  Razza: Pastore"_s }
            + lines
            + QStringList { QString(26, u'-'), u"TOTALE COSTI:      "_s + total, u"Stampa eseguita in data 28/02/2024"_s };
        QCOMPARE(texts, expected);
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

private:
    std::unique_ptr<CostsFixture> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmCostiCane)
#include "tst_frmcosticane.moc"
