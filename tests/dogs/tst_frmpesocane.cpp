// The weight log window of one dog, on a temporary program folder: adding,
// modifying and deleting weighings with the table and the chart following
// the file, the checks, the question that writes the card's Peso, the
// printed page and its PDF file; and the button of the dog card that opens
// it.

#include "AppFixture.h"
#include "ChildProcess.h"
#include "PdfTools.h"
#include "tst_frmcani_fixture.h"

#include "kennel/WeightLog.h"
#include "dogs/WeightChart.h"
#include "dogs/frmPesoCane.h"
#include "storage/WeightRecord.h"
#include "ui/UnsavedChanges.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using Kind = MessageBoxes::Kind;
using Shown = RecordingMessageBoxes::Shown;
using Answer = MessageBoxes::Answer;
constexpr auto OkAlone = MessageBoxes::Buttons::OkAlone;

namespace {

const QString weightFile = u"Pesi_Cane_5.pro"_s;

QByteArray weighing(const QString &date, const QString &weight, const QString &note = {})
{
    return recordBytes(WeightRecord::layout(),
                       { { WeightRecord::Data, date }, { WeightRecord::Peso, weight }, { WeightRecord::Note, note } });
}

QString latestQuestion(const QString &date, const QString &weight)
{
    return QString::fromUtf8("La pesata del %1 è la più recente del registro.\r\n\r\nScrivere \"%2\" nel campo "
                             "Peso della scheda del cane? La scheda andrà poi salvata con il pulsante Salva.")
        .arg(date, weight);
}

} // namespace

// The weight log of "Birba", a Labrador puppy born on 10/01/2024, at position 5.
class WeightFixture : public TestContext
{
public:
    WeightFixture() { doubles.clock.current = QDateTime(QDate(2024, 3, 31), QTime(9, 30)); }

    void open(const QByteArray &file = {}, const QString &birth = u"10/01/2024"_s)
    {
        if (!file.isNull())
            writeFile(weightFile, file);
        window = std::make_unique<frmPesoCane>(context(), nullptr,
            frmPesoCane::Dog { u" Birba "_s, u"Labrador"_s, u"5"_s, birth },
            [this](const QString &weight) { cardWeight = weight; });
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            QTest::qFail("the weight window did not become active", __FILE__, __LINE__);
    }

    /// Opens the log of the weighings of 01/03/2024 (2,30 kg) and 08/03/2024
    /// (3,00 kg); returns the file's bytes.
    QByteArray openTwoWeighings()
    {
        const QByteArray file = weighing(u"01/03/2024"_s, u"2,30"_s) + weighing(u"08/03/2024"_s, u"3,00"_s);
        open(file);
        return file;
    }
    QLineEdit *box(const char *name) { return child<QLineEdit>(window.get(), name); }
    QTableView *table() { return child<QTableView>(window.get(), "tblPesate"); }
    QLineSeries *series()
    {
        return static_cast<QLineSeries *>(child<QChartView>(window.get(), "grafPeso")->chart()->series().first());
    }
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
    void select(int row)
    {
        const QModelIndex index = table()->model()->index(row, 0);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualRect(index).center());
    }
    void fill(const QString &date, const QString &weight, const QString &note = {})
    {
        const std::pair<const char *, QString> values[]
            = { { "txtData", date }, { "txtPeso", weight }, { "txtNote", note } };
        for (const auto &[name, text] : values) {
            box(name)->clear();
            QTest::keyClicks(box(name), text);
        }
    }
    void press(const char *button) { click(child<QPushButton>(window.get(), button)); }
    /// The chart shows exactly the weighings of the file, in date order.
    void chartFollowsTheFile()
    {
        QList<QPointF> expected;
        for (const WeightLog::Weighing &stored : WeightLog::read(path(weightFile)).weighings)
            expected.append(WeightChart::pointOf(stored));
        QCOMPARE(series()->points(), expected);
        QCOMPARE(table()->model()->rowCount(), expected.size());
    }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    std::unique_ptr<frmPesoCane> window;
    QString cardWeight;
};

class tst_FrmPesoCane : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<WeightFixture>(); }
    void cleanup() { m_fixture.reset(); }

    // A first visit creates the empty file and shows an empty chart with
    // its hint, and no message.
    void anEmptyLogShowsAnEmptyChart()
    {
        WeightFixture &f = *m_fixture;
        f.open();
        QCOMPARE(QFileInfo(f.path(weightFile)).size(), 0);
        QCOMPARE(f.window->windowTitle(), u" Registro pesate cane"_s);
        QCOMPARE(child<QLabel>(f.window.get(), "lblTitolo")->text(), u"Registro pesate di Birba  -  Razza: Labrador"_s);
        QVERIFY(child<QLabel>(f.window.get(), "lblGraficoVuoto")->isVisible());
        QCOMPARE(f.series()->count(), 0);
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    // Adding, modifying and deleting: the file, the table and the chart
    // agree after each; the question comes only for a new latest weighing.
    void addModifyDelete()
    {
        WeightFixture &f = *m_fixture;
        f.open();
        f.doubles.messages.answerNextQuestions({ Answer::No });
        f.fill(u"01/03/2024"_s, u"2,3"_s, u"prima pesata"_s);
        f.press("btnAggiungi");
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Question, latestQuestion(u"01/03/2024"_s, u"2,30 kg"_s) }));
        QCOMPARE(f.cardWeight, QString());
        QVERIFY(!child<QLabel>(f.window.get(), "lblGraficoVuoto")->isVisible());
        f.chartFollowsTheFile();

        f.fill(u"08/03/2024"_s, u"3"_s);
        f.press("btnAggiungi");
        QCOMPARE(f.doubles.messages.takeOnly().text, latestQuestion(u"08/03/2024"_s, u"3,00 kg"_s));
        QCOMPARE(f.cardWeight, u"3,00 kg"_s);
        f.cardWeight.clear();
        f.chartFollowsTheFile();

        f.fill(u"05/03/2024"_s, u"2,65"_s);
        f.press("btnAggiungi");
        QVERIFY(f.doubles.messages.shown.isEmpty()); // not the latest: no question
        QCOMPARE(f.cardWeight, QString());
        QCOMPARE(f.rows(), (QStringList { u"01/03/2024|2,30|||prima pesata"_s, u"05/03/2024|2,65|+0,35|+87,5|"_s,
                                          u"08/03/2024|3,00|+0,35|+116,7|"_s }));
        QCOMPARE(f.table()->selectionModel()->selectedRows().first().row(), 1); // the one just added
        f.chartFollowsTheFile();
        QCOMPARE(f.readFile(weightFile).size(), 3 * WeightRecord::recordSize);
        QCOMPARE(fieldAt(f.readFile(weightFile), WeightRecord::layout(), 3, WeightRecord::Peso), u"2,65"_s);

        f.select(0);
        QCOMPARE(f.box("txtPeso")->text(), u"2,30"_s);
        QCOMPARE(f.box("txtNote")->text(), u"prima pesata"_s);
        f.fill(u"01/03/2024"_s, u"2,25"_s, u"prima pesata"_s);
        f.press("btnModifica");
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(f.rows().first(), u"01/03/2024|2,25|||prima pesata"_s);
        QCOMPARE(f.rows()[1], u"05/03/2024|2,65|+0,40|+100|"_s);
        f.chartFollowsTheFile();

        f.select(1);
        f.doubles.messages.answerNextQuestions({ Answer::Yes });
        f.press("btnElimina");
        QCOMPARE(f.doubles.messages.takeOnly(),
                 (Shown { Kind::Question, u"Eliminare dal registro la pesata del 05/03/2024 (2,65 kg)?"_s }));
        QCOMPARE(f.rows(), (QStringList { u"01/03/2024|2,25|||prima pesata"_s, u"08/03/2024|3,00|+0,75|+107,1|"_s }));
        f.chartFollowsTheFile();
        // The record is emptied in place; the next weighing takes its slot.
        QCOMPARE(fieldAt(f.readFile(weightFile), WeightRecord::layout(), 3, WeightRecord::Data), QString());
        f.fill(u"15/03/2024"_s, u"3,5"_s);
        f.press("btnAggiungi");
        f.doubles.messages.takeOnly();
        QCOMPARE(f.readFile(weightFile).size(), 3 * WeightRecord::recordSize);
        QCOMPARE(fieldAt(f.readFile(weightFile), WeightRecord::layout(), 3, WeightRecord::Data), u"15/03/2024"_s);
        f.chartFollowsTheFile();

        // Hovering the line names the nearest weighing.
        const QPointF near = WeightChart::pointOf({ QDate(2024, 3, 14), 3400, {}, 0 });
        Q_EMIT f.series()->hovered(near, true);
        QCOMPARE(child<QChartView>(f.window.get(), "grafPeso")->toolTip(), u"15/03/2024: 3,50 kg"_s);
    }

    // The date axis is marked on month starts, or on Mondays for a short
    // log, or on days for a few days, never more than six marks.
    void dateMarks_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("a season") << QDate(2024, 1, 20) << QDate(2024, 5, 3)
                                  << QStringList { u"feb 2024"_s, u"mar 2024"_s, u"apr 2024"_s, u"mag 2024"_s };
        QTest::newRow("a year, every other month")
            << QDate(2023, 11, 15) << QDate(2024, 11, 10)
            << QStringList { u"gen 2024"_s, u"mar 2024"_s, u"mag 2024"_s, u"lug 2024"_s, u"set 2024"_s, u"nov 2024"_s };
        QTest::newRow("three years, every six months")
            << QDate(2021, 2, 1) << QDate(2024, 3, 1)
            << QStringList { u"lug 2021"_s, u"gen 2022"_s, u"lug 2022"_s, u"gen 2023"_s, u"lug 2023"_s, u"gen 2024"_s };
        QTest::newRow("six weeks, Mondays") << QDate(2024, 3, 1) << QDate(2024, 4, 10)
                                            << QStringList { u"04/03"_s, u"11/03"_s, u"18/03"_s, u"25/03"_s,
                                                   u"01/04"_s, u"08/04"_s };
        QTest::newRow("two months, every other Monday")
            << QDate(2024, 3, 1) << QDate(2024, 4, 28)
            << QStringList { u"04/03"_s, u"18/03"_s, u"01/04"_s, u"15/04"_s };
        QTest::newRow("four days") << QDate(2024, 3, 6) << QDate(2024, 3, 9)
                                   << QStringList { u"06/03"_s, u"07/03"_s, u"08/03"_s, u"09/03"_s };
    }

    void dateMarks()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QStringList, labels);
        QStringList shown;
        for (const WeightChart::DateMark &mark : WeightChart::dateMarks(from, to)) {
            QVERIFY(mark.date >= from && mark.date <= to);
            shown.append(mark.label);
        }
        QCOMPARE(shown, labels);
    }

    // Correcting or deleting the latest weighing offers the card the weight
    // that is latest afterwards; a change below it asks nothing.
    void changedLatestIsOffered_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("question"); // empty: none
        QTest::addColumn<QString>("cardWeight");
        QTest::newRow("latest corrected") << 1 << "btnModifica" << latestQuestion(u"08/03/2024"_s, u"3,10 kg"_s)
                                          << "3,10 kg";
        QTest::newRow("latest deleted") << 1 << "btnElimina" << latestQuestion(u"01/03/2024"_s, u"2,30 kg"_s)
                                        << "2,30 kg";
        QTest::newRow("earlier corrected") << 0 << "btnModifica" << QString() << QString();
    }

    void changedLatestIsOffered()
    {
        QFETCH(int, row);
        QFETCH(QString, button);
        QFETCH(QString, question);
        QFETCH(QString, cardWeight);
        WeightFixture &f = *m_fixture;
        f.openTwoWeighings();
        f.select(row);
        f.fill(row == 0 ? u"01/03/2024"_s : u"08/03/2024"_s, u"3,1"_s);
        const bool deleting = button == u"btnElimina";
        f.doubles.messages.answerNextQuestions({ Answer::Yes, Answer::Yes });
        f.press(button.toLatin1().constData());
        if (deleting)
            f.doubles.messages.shown.removeFirst(); // the deletion's own question
        if (question.isEmpty())
            QVERIFY(f.doubles.messages.shown.isEmpty());
        else
            QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Question, question }));
        QCOMPARE(f.cardWeight, cardWeight);
    }

    // A weighing that does not pass the checks stores nothing; the focus goes
    // to the box to mend.
    void refusedWeighings_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString noDate = u"Attenzione: la data indicata non esiste. Indicare la data della pesata nella forma "
                               "gg/mm/aaaa (per esempio 05/03/2024)."_s;
        const QString noWeight = u"Attenzione: il peso va indicato in chilogrammi, con un numero maggiore di 0 e non "
                                 "superiore a 150 e al massimo tre decimali dopo la virgola (per esempio 12,35)."_s;
        const QString taken = QString::fromUtf8("Attenzione: il registro contiene già una pesata in data 08/03/2024. "
                                                "Per correggerla selezionarla nell'elenco e premere Modifica.");
        const QString beforeBirth = QString::fromUtf8("Attenzione: la data della pesata (09/01/2024) precede la data "
                                                      "di nascita del cane (10/01/2024). Indicare una data dal "
                                                      "10/01/2024 in poi.");
        QTest::newRow("30 February") << "30/02/2024" << "3" << "btnAggiungi" << noDate << "txtData";
        QTest::newRow("before birth") << "09/01/2024" << "0,3" << "btnAggiungi" << beforeBirth << "txtData";
        QTest::newRow("over 150 kg") << "09/03/2024" << "150,5" << "btnAggiungi" << noWeight << "txtPeso";
        QTest::newRow("no kilograms") << "09/03/2024" << "0,000" << "btnAggiungi" << noWeight << "txtPeso";
        QTest::newRow("same date on add") << "08/03/2024" << "3" << "btnAggiungi" << taken << "txtData";
        QTest::newRow("another's date on modify") << "08/03/2024" << "3" << "btnModifica" << taken << "txtData";
    }

    void refusedWeighings()
    {
        QFETCH(QString, date);
        QFETCH(QString, weight);
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        WeightFixture &f = *m_fixture;
        const QByteArray file = f.openTwoWeighings();
        f.select(0);
        f.fill(date, weight);
        f.press(button.toLatin1().constData());
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Warning, message, OkAlone }));
        QCOMPARE(f.focused(), focus);
        QCOMPARE(f.readFile(weightFile), file);
    }

    // A date after today or a weight far from the previous one is asked
    // about before it is stored; No stores nothing and goes back to the box.
    void unlikelyWeighingsAreAskedAbout_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("focus"); // empty: stored
        QTest::newRow("next year, No") << "08/03/2025" << "3,1" << "btnAggiungi" << QList { Answer::No } << "txtData";
        QTest::newRow("next year, Yes") << "08/03/2025" << "3,1" << "btnAggiungi" << QList { Answer::Yes } << "";
        QTest::newRow("doubled, No") << "15/03/2024" << "6,1" << "btnAggiungi" << QList { Answer::No } << "txtPeso";
        QTest::newRow("corrected to a third, No")
            << "08/03/2024" << "0,75" << "btnModifica" << QList { Answer::No } << "txtPeso";
        QTest::newRow("both, Yes to the date only")
            << "08/03/2025" << "9" << "btnAggiungi" << QList { Answer::Yes, Answer::No } << "txtPeso";
    }

    void unlikelyWeighingsAreAskedAbout()
    {
        QFETCH(QString, date);
        QFETCH(QString, weight);
        QFETCH(QString, button);
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, focus);
        WeightFixture &f = *m_fixture;
        const QByteArray file = f.openTwoWeighings();
        f.select(1);
        f.fill(date, weight);
        for (Answer answer : answers)
            f.doubles.messages.answerNextQuestions({ answer });
        f.doubles.messages.answerNextQuestions({ Answer::No }); // the card's Peso, once stored
        f.press(button.toLatin1().constData());
        QVERIFY(f.doubles.messages.shown.size() >= answers.size());
        for (qsizetype asked = 0; asked < answers.size(); ++asked)
            QCOMPARE(f.doubles.messages.shown[asked].kind, Kind::Question);
        if (focus.isEmpty()) {
            QCOMPARE(f.readFile(weightFile).size(), 3 * WeightRecord::recordSize);
        } else {
            QCOMPARE(f.doubles.messages.shown.size(), answers.size());
            QCOMPARE(f.focused(), focus);
            QCOMPARE(f.readFile(weightFile), file);
        }
    }

    // Another copy of the program deletes the selected weighing and adds one,
    // which takes its slot: neither Modify nor Delete touches the new one.
    // The window says so and shows the log as the other copy left it.
    void aWeighingChangedByAnotherCopyIsLeftAlone_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<Shown>>("asked"); // before the warning
        QTest::newRow("modify") << u"btnModifica"_s << QList<Shown> {};
        QTest::newRow("delete") << u"btnElimina"_s
                                << QList<Shown> { { Kind::Question,
                                       u"Eliminare dal registro la pesata del 08/03/2024 (3,00 kg)?"_s } };
    }

    void aWeighingChangedByAnotherCopyIsLeftAlone()
    {
        QFETCH(QString, button);
        QFETCH(QList<Shown>, asked);
        WeightFixture &f = *m_fixture;
        f.openTwoWeighings();
        f.select(1);
        const QString path = f.path(weightFile);
        QCOMPARE(inChild([&] {
            const WeightLog::Log log = WeightLog::read(path);
            if (!WeightLog::remove(path, log.weighings[1]))
                return 1;
            return WeightLog::add(path, { QDate(2024, 3, 22), 3500, u"dall'altra copia"_s, 0 }) == 2 ? 0 : 2;
        }),
            0);
        const QByteArray otherCopys = f.readFile(weightFile);

        f.fill(u"08/03/2024"_s, u"3,1"_s);
        f.doubles.messages.answerNextQuestions({ Answer::Yes });
        f.press(button.toLatin1().constData());
        asked.append({ Kind::Warning,
            QString::fromUtf8("La pesata è stata modificata da un'altra copia del programma: l'elenco "
                              "viene riletto."),
            OkAlone });
        QCOMPARE(f.doubles.messages.shown, asked);
        QCOMPARE(f.readFile(weightFile), otherCopys);
        QCOMPARE(f.rows(),
            (QStringList { u"01/03/2024|2,30|||"_s, u"22/03/2024|3,50|+1,20|+57,1|dall'altra copia"_s }));
        f.chartFollowsTheFile();
    }

    // Records that are no weighing are counted, singular or plural, once when
    // the window opens: a change that rereads the same log says nothing.
    void unreadableRecordsAreCounted_data()
    {
        QTest::addColumn<QByteArray>("unreadable");
        QTest::addColumn<QString>("message");
        QTest::newRow("one") << weighing(u"30/02/2024"_s, u"3"_s)
                             << QString::fromUtf8(
                                    "Attenzione: 1 pesata del registro non è stata mostrata perché la "
                                    "sua data o il suo peso non sono leggibili.");
        QTest::newRow("three") << weighing(u"30/02/2024"_s, u"3"_s) + weighing(u"02/03/2024"_s, u"3.5"_s)
                + weighing(u""_s, u"4"_s)
                               << QString::fromUtf8(
                                      "Attenzione: 3 pesate del registro non sono state mostrate perché "
                                      "la loro data o il loro peso non sono leggibili.");
    }

    void unreadableRecordsAreCounted()
    {
        QFETCH(QByteArray, unreadable);
        QFETCH(QString, message);
        WeightFixture &f = *m_fixture;
        f.open(weighing(u"01/03/2024"_s, u"2,30"_s) + unreadable);
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Warning, message, OkAlone }));
        QCOMPARE(f.rows().size(), 1);
        f.fill(u"05/03/2024"_s, u"2,5"_s);
        f.doubles.messages.answerNextQuestions({ Answer::No });
        f.press("btnAggiungi");
        QCOMPARE(f.doubles.messages.takeOnly().kind, Kind::Question); // the card's Peso, and nothing more
        QCOMPARE(f.rows().size(), 2);
    }

    // Closing with a weighing typed and not stored asks first, as the cards
    // do: Yes stores it (over the weighing selected, else as a new one) and
    // closes, No closes, Cancel stays with the typing. A weighing shown as
    // stored closes at once.
    void closingWithATypedWeighing_data()
    {
        QTest::addColumn<int>("row"); // selected first; -1 for none
        QTest::addColumn<QString>("note"); // typed over the boxes; empty for none
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("stored");
        QTest::newRow("new, Sì") << -1 << u"nuova"_s << Answer::Yes << true;
        QTest::newRow("new, No") << -1 << u"nuova"_s << Answer::No << false;
        QTest::newRow("new, Annulla") << -1 << u"nuova"_s << Answer::Cancel << false;
        QTest::newRow("correction, Sì") << 0 << u"corretta"_s << Answer::Yes << true;
        QTest::newRow("correction, Annulla") << 0 << u"corretta"_s << Answer::Cancel << false;
        QTest::newRow("shown as stored") << 1 << QString() << Answer::Yes << false;
    }

    void closingWithATypedWeighing()
    {
        QFETCH(int, row);
        QFETCH(QString, note);
        QFETCH(Answer, answer);
        QFETCH(bool, stored);
        WeightFixture &f = *m_fixture;
        const QByteArray file = f.openTwoWeighings();
        if (row >= 0)
            f.select(row);
        else
            f.fill(u"15/03/2024"_s, u"3,2"_s);
        if (!note.isEmpty()) {
            f.box("txtNote")->clear();
            QTest::keyClicks(f.box("txtNote"), note);
        }
        f.doubles.messages.answerNextQuestions({ answer, Answer::No }); // then the card's Peso, if offered
        f.press("btnChiudi");

        QList<Shown> asked;
        if (!note.isEmpty())
            asked.append({ Kind::CancellableQuestion, UnsavedChanges::question() });
        if (stored && row < 0)
            asked.append({ Kind::Question, latestQuestion(u"15/03/2024"_s, u"3,20 kg"_s) });
        QCOMPARE(f.doubles.messages.shown, asked);
        QCOMPARE(f.window->isVisible(), answer == Answer::Cancel && !note.isEmpty());
        QByteArray expected = file;
        if (stored && row < 0)
            expected += weighing(u"15/03/2024"_s, u"3,20"_s, note);
        else if (stored)
            expected.replace(0, WeightRecord::recordSize, weighing(u"01/03/2024"_s, u"2,30"_s, note));
        QCOMPARE(f.readFile(weightFile), expected);
        if (f.window->isVisible())
            QCOMPARE(f.box("txtNote")->text(), note);
    }

    // A weight file larger than any log is refused unread: the window names
    // it, shows an empty log, and adding writes nothing.
    void anOversizedFileIsRefused()
    {
        WeightFixture &f = *m_fixture;
        const qint64 size = qint64(10) * 1024 * 1024 * 1024;
        {
            QFile sparse(f.path(weightFile));
            QVERIFY(sparse.open(QIODevice::WriteOnly));
            QVERIFY(sparse.resize(size));
        }
        const Shown refused { Kind::Warning,
            QString::fromUtf8("Attenzione: il file %1 è troppo grande per essere un archivio del "
                              "programma e potrebbe essere danneggiato: non viene né letto né "
                              "modificato.")
                .arg(QDir::toNativeSeparators(f.path(weightFile))),
            OkAlone };
        f.open();
        QCOMPARE(f.doubles.messages.takeOnly(), refused);
        QVERIFY(f.rows().isEmpty());
        QVERIFY(child<QLabel>(f.window.get(), "lblGraficoVuoto")->isVisible());
        f.fill(u"01/03/2024"_s, u"3"_s);
        f.press("btnAggiungi");
        QCOMPARE(f.doubles.messages.takeOnly(), refused);
        QCOMPARE(QFileInfo(f.path(weightFile)).size(), size);
        QFile sparse(f.path(weightFile));
        QVERIFY(sparse.open(QIODevice::ReadOnly));
        QCOMPARE(sparse.read(WeightRecord::recordSize), QByteArray(WeightRecord::recordSize, '\0'));
    }

    // Modify and delete need a weighing chosen in the list.
    void modifyAndDeleteNeedASelection()
    {
        WeightFixture &f = *m_fixture;
        f.open();
        f.press("btnModifica");
        QCOMPARE(f.doubles.messages.takeOnly(),
                 (Shown { Kind::Information, u"Modifica non applicabile: l'elenco non contiene nessuna pesata."_s, OkAlone }));
        f.window.reset();
        f.open(weighing(u"01/03/2024"_s, u"2,30"_s));
        f.press("btnElimina");
        QCOMPARE(f.doubles.messages.takeOnly(),
                 (Shown { Kind::Warning, u"Attenzione: selezionare una pesata dall'elenco prima di premere il "
                                         "pulsante Elimina pesata."_s, OkAlone }));
        f.select(0);
        f.doubles.messages.answerNextQuestions({ Answer::No });
        f.press("btnElimina");
        f.doubles.messages.takeOnly();
        QCOMPARE(f.rows().size(), 1);
    }

    // An adult shows no daily gain; a file that cannot be opened shows the
    // access message and stores nothing.
    void adultAndUnreachableFile()
    {
        WeightFixture &f = *m_fixture;
        f.open(weighing(u"01/03/2024"_s, u"30"_s) + weighing(u"11/03/2024"_s, u"29,75"_s), u"01/02/2020"_s);
        QCOMPARE(f.rows().last(), u"11/03/2024|29,75|-0,25||"_s);
        f.window.reset();

        QVERIFY(QFile::remove(f.path(weightFile)));
        QVERIFY(QDir().mkdir(f.path(weightFile)));
        f.open();
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Warning, accessMessage(), OkAlone }));
        f.fill(u"01/03/2024"_s, u"3"_s);
        f.press("btnAggiungi");
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Warning, accessMessage(), OkAlone }));
        QCOMPARE(f.rows(), QStringList());
    }

    // The preview and the PDF file carry the title, the chart as a picture
    // and every weighing; the PDF is offered for opening.
    void printAndPdf()
    {
        WeightFixture &f = *m_fixture;
        QByteArray file;
        for (int day = 0; day < 20; ++day)
            file += weighing(QDate(2024, 3, 1).addDays(3 * day).toString(u"dd/MM/yyyy"_s),
                             WeightLog::kilograms(2000 + 150 * day));
        f.open(file);
        f.press("cmdStampa");
        QCOMPARE(f.doubles.printing.previewed.size(), size_t(1));
        const Report::PreparedReport &page = f.doubles.printing.previewed.front();
        QCOMPARE(page.pages.size(), size_t(1));
        const QStringList texts = reportTexts(page);
        QVERIFY(texts.contains(u"Registro pesate di Birba  -  Razza: Labrador"_s));
        QVERIFY(texts.contains(u"03/04/2024"_s));
        QVERIFY(texts.contains(u"4,85"_s));
        const auto picture = std::find_if(page.pages[0].elements.cbegin(), page.pages[0].elements.cend(),
            [](const Report::Element &e) { return std::holds_alternative<Report::PictureElement>(e); });
        QVERIFY(picture != page.pages[0].elements.cend());
        QVERIFY(std::get<Report::PictureElement>(*picture).image.width() > 1500);

        // The file goes where the user chooses, its name proposed after the
        // dog; the closing question names the folder.
        const QString folder = f.path(u"stampe"_s);
        QVERIFY(QDir().mkpath(folder));
        const QString pdf = folder + u"/Peso_Birba.pdf"_s;
        f.doubles.fileDialogs.answers.enqueue(pdf);
        f.doubles.messages.answerNextQuestions({ Answer::Yes });
        f.press("cmdPdf");
        QCOMPARE(f.doubles.fileDialogs.asked.size(), 1);
        const FileDialogs::SaveRequest asked = f.doubles.fileDialogs.asked.takeFirst().save;
        QCOMPARE(asked.proposedName, u"Peso_Birba.pdf"_s);
        QCOMPARE(asked.folder, f.context().folder.path());
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Question,
                QString::fromUtf8("L'esportazione del registro delle pesate in PDF è terminata con successo: il file "
                                  "\"Peso_Birba.pdf\" si trova nella cartella \"%1\".\r\n\r\nSi vuole aprire il file?")
                    .arg(QDir::toNativeSeparators(folder)) }));
        QCOMPARE(f.doubles.shell.opened, QStringList { pdf });
        QCOMPARE(pdfInfo(pdf, u"Pages"_s), u"1"_s);
        const QString text = pdfText(pdf);
        QVERIFY(text.contains(u"Registro pesate di Birba"_s));
        QVERIFY(text.contains(u"Crescita (g/giorno)"_s));
        QVERIFY(text.contains(u"01/03/2024"_s));
        QVERIFY(text.contains(u"+50"_s));
        QVERIFY(text.contains(u"4,85"_s));

        // The next dialog opens in that folder; an existing file is replaced
        // only when the user says so.
        const QByteArray first = f.readFile(u"stampe/Peso_Birba.pdf"_s);
        f.doubles.fileDialogs.answers.enqueue(pdf);
        f.doubles.messages.answerNextQuestions({ Answer::No });
        f.press("cmdPdf");
        QCOMPARE(f.doubles.fileDialogs.asked.takeFirst().save.folder, folder);
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Question,
                QString::fromUtf8("Il file \"Peso_Birba.pdf\" esiste già nella cartella \"%1\".\r\n\r\nSostituirlo?")
                    .arg(QDir::toNativeSeparators(folder)) }));
        QCOMPARE(f.readFile(u"stampe/Peso_Birba.pdf"_s), first);

        // With no program to show it, the file's place is said.
        f.doubles.shell.succeed = false;
        f.doubles.fileDialogs.answers.enqueue(pdf);
        f.doubles.messages.answerNextQuestions({ Answer::Yes, Answer::Yes });
        f.press("cmdPdf");
        QCOMPARE(f.doubles.messages.shown.size(), 3);
        QCOMPARE(f.doubles.messages.shown.last(),
            (Shown { Kind::Error,
                QString::fromUtf8("Attenzione: non è stato possibile aprire il file PDF \"Peso_Birba.pdf\", che si "
                                  "trova nella cartella \"%1\".")
                    .arg(QDir::toNativeSeparators(folder)),
                OkAlone }));
    }

    // The card opens the log only for a stored card with a name and a breed,
    // with the costs' warnings; a new latest weighing, accepted, goes into
    // Peso and the card's Save stores it.
    void cardButton_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warning");
        QTest::newRow("new card") << false << u"Birba"_s
                                  << QString::fromUtf8("Attenzione: la gestione delle pesate può avvenire soltanto "
                                                       "dopo che la scheda del cane è stata salvata in archivio.");
        QTest::newRow("no name") << true << u" "_s
                                 << QString::fromUtf8("Attenzione: per accedere alla gestione delle pesate è "
                                                      "necessario indicare il nome del cane.");
        QTest::newRow("opens") << true << u"Birba"_s << QString();
    }

    void cardButton()
    {
        QFETCH(bool, stored);
        QFETCH(QString, name);
        QFETCH(QString, warning);
        m_fixture.reset();
        DogCardFixture f;
        if (stored) {
            f.writeArchive({ u"Birba"_s });
            click(child(f.card(), "cmdPrimo"));
        }
        f.box("txtNome")->setText(name);
        bool shown = false;
        if (warning.isEmpty()) {
            whenModalShown([&](QWidget *window) {
                shown = true;
                QCOMPARE(window->objectName(), u"frmPesoCane"_s);
                QTest::keyClicks(child<QLineEdit>(window, "txtData"), u"27/02/2024"_s);
                QTest::keyClicks(child<QLineEdit>(window, "txtPeso"), u"12,35"_s);
                click(child<QPushButton>(window, "btnAggiungi"));
                click(child<QPushButton>(window, "btnChiudi"));
            });
        }
        click(child(f.card(), "btnPeso"));
        if (!warning.isEmpty()) {
            QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Warning, warning }));
            QVERIFY(!QFile::exists(f.path(u"Pesi_Cane_1.pro"_s)));
            return;
        }
        QVERIFY(shown);
        QCOMPARE(f.doubles.messages.takeOnly().text, latestQuestion(u"27/02/2024"_s, u"12,35 kg"_s));
        QCOMPARE(f.box("txtPeso")->text(), u"12,35 kg"_s);
        QCOMPARE(f.fieldAt(1, DogRecord::Peso), QString()); // not saved yet
        click(child(f.card(), "cmdSalva"));
        f.doubles.messages.takeOnly();
        QCOMPARE(f.fieldAt(1, DogRecord::Peso), u"12,35 kg"_s);
        QCOMPARE(f.readFile(u"Pesi_Cane_1.pro"_s).size(), WeightRecord::recordSize);
    }

private:
    std::unique_ptr<WeightFixture> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmPesoCane)
#include "tst_frmpesocane.moc"
