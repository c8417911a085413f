// The payment and confirmation summaries, opened from the schedule's card
// view: which entries each lists, their lines, printing, and the double click
// that brings an entry back into the schedule window to be changed and saved.
#include "tst_frmscadenzario_fixture.h"

#include "schedule/SummaryWindow.h"
#include "storage/Flags.h"
#include "ui/LineList.h"

using namespace Qt::StringLiterals;

namespace {

using namespace ScheduleRecord;

QByteArray stored(const QString &reason, const QString &paid, const QString &toConfirm, const QString &date = u"05/03/2024"_s,
                  const QString &dog = u"Fido"_s)
{
    return ScheduleFixture::entry({ { Giorno, date.left(2) }, { Mese, u"Marzo"_s }, { Anno, date.right(4) },
        { Data, date }, { OreApp, u"09"_s }, { MinutiApp, u"30"_s }, { Ora, u"09:30"_s }, { Avviso, u"3"_s },
        { Proprietario, u"Anna Bianchi"_s }, { Nome, dog }, { Dettagli, reason }, { Costo, u"12,50"_s },
        { Effettuata, paid }, { DaConfermare, toConfirm } });
}

void clickLine(LineList *list, int row, bool twice)
{
    const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class tst_SummaryWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { m_fixture.reset(); }

    void filters_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("reasons");
        QTest::newRow("payments to make") << u"cmdDaEffettuare"_s << u"frmConfermati"_s
                                          << u" Riepilogo pagamenti da effettuare"_s
                                          << QStringList { u"Pensione"_s, u"Toelettatura"_s };
        QTest::newRow("payments made") << u"cmdEffettuate"_s << u"frmNonConfermati"_s
                                       << u" Riepilogo pagamenti effettuati"_s
                                       << QStringList { u"Addestramento"_s, u"vaccino"_s };
        QTest::newRow("appointments to confirm") << u"cmdDaConfermare"_s << u"frmDaConfermare"_s
                                                 << u" Riepilogo appuntamenti da confermare"_s
                                                 << QStringList { u"Pensione"_s, u"vaccino"_s };
    }

    // Each summary lists the entries of the open year, past or future, whose
    // flag holds its text ("Sì" only, not any other); the two flags are
    // independent; lines are sorted without regard to the case of a to z.
    // Stampa prints the lines under the summary's title.
    void filters()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QStringList, reasons);
        ScheduleFixture &f = start([](ScheduleFixture &f) {
            const QString yes = FlagText::yes(), no = FlagText::no();
            f.writeYear(2024, { stored(u"Toelettatura"_s, no, no, u"05/01/2024"_s), stored(u"vaccino"_s, yes, yes),
                                  stored(u"Pensione"_s, no, yes, u"28/12/2024"_s), stored(u"Addestramento"_s, yes, no),
                                  stored(u"Estraneo"_s, u"Si"_s, u"si"_s) });
            f.writeYear(2023, { stored(u"Altro anno"_s, no, yes, u"05/03/2023"_s) });
        });
        f.openYear(u"2024"_s);
        QStringList lines;
        QString name, title, focus;
        QSize size;
        whenModalShown([&](QWidget *summary) {
            name = summary->objectName();
            title = summary->windowTitle();
            size = summary->size();
            focus = summary->focusWidget() ? summary->focusWidget()->objectName() : QString();
            lines = child<LineList>(summary, "lstRecords")->lines();
            click(child(summary, "btnStampa"));
            click(child(summary, "btnChiudi"));
        });
        click(child(f.window(), qPrintable(button)));
        QCOMPARE(name, window);
        QCOMPARE(title, caption);
        QCOMPARE(size, QSize(862, 560));
        QCOMPARE(focus, u"txtTrova"_s);
        QStringList listed;
        for (const QString &line : lines)
            listed.append(line.left(30).trimmed());
        QCOMPARE(listed, reasons);
        QCOMPARE(lines.first().mid(30),
            u"  Data: "_s + lines.first().mid(38, 10) + u"  Ora: 09:30  Prop. "_s + u"Anna Bianchi"_s.leftJustified(28)
                + u"  Cane: "_s + u"Fido"_s.leftJustified(28) + u"  € 12,50"_s);
        QCOMPARE(f.doubles.printing.printed.size(), size_t(1));
        const QStringList printed = reportTexts(f.doubles.printing.printed.front());
        QCOMPARE(printed.first(), caption.mid(1));
        QCOMPARE(printed.mid(1, lines.size()), lines);
        QCOMPARE(f.label("lblPosizione"), QString()); // closing loads nothing
    }

    // A double click loads the entry into the card at its position; ticking
    // "Pagamento effettuato" and saving there rewrites that entry in place,
    // so it moves from one summary to the other.
    void loadChangeAndSaveOverwritesInPlace()
    {
        ScheduleFixture &f = start([](ScheduleFixture &f) {
            const QString no = FlagText::no();
            f.writeYear(2024, { stored(u"Toelettatura"_s, no, no), stored(u"Vaccino"_s, no, no, u"12/04/2024"_s, u"Rex"_s),
                                  stored(u"Pensione"_s, no, no) });
        });
        f.openYear(u"2024"_s);
        const QByteArray before = f.yearFile(2024);
        QString chosen;
        whenModalShown([&chosen](QWidget *summary) {
            auto *list = child<LineList>(summary, "lstRecords");
            chosen = list->lines().value(2);
            clickLine(list, 2, true);
        });
        click(child(f.window(), "cmdDaEffettuare"));
        QVERIFY(chosen.startsWith(u"Vaccino "_s));
        QCOMPARE(f.label("lblPosizione"), u"2"_s);
        QCOMPARE(f.box("txtNome")->text(), u"Rex"_s);
        QCOMPARE(f.selector("txtGiorno")->currentText(), u"12"_s);
        QCOMPARE(f.label("lblData"), u"12/04/2024"_s);
        QVERIFY(!f.check("chkEffettuata")->isChecked());

        f.check("chkEffettuata")->setChecked(true);
        click(child(f.window(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly().text, u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s);
        const QByteArray after = f.yearFile(2024);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.mid(1445 + recordSize, 3), QByteArray("\x02\x53\xEC"));
        QCOMPARE(after.left(recordSize), before.left(recordSize));
        QCOMPARE(after.mid(2 * recordSize), before.mid(2 * recordSize));

        for (const auto &[button, vaccino] : { std::pair { "cmdDaEffettuare", false }, std::pair { "cmdEffettuate", true } }) {
            QStringList lines;
            whenModalShown([&lines](QWidget *summary) {
                lines = child<LineList>(summary, "lstRecords")->lines();
                click(child(summary, "btnChiudi"));
            });
            click(child(f.window(), button));
            QCOMPARE(lines.filter(u"Vaccino"_s).size(), vaccino ? 1 : 0);
        }
    }

    // Equal lines: the entry loaded is the later one in the file, whichever
    // of the two is clicked.
    void equalLinesLoadTheLaterEntry()
    {
        ScheduleFixture &f = start([](ScheduleFixture &f) {
            const QString no = FlagText::no(), yes = FlagText::yes();
            f.writeYear(2024, { stored(u"Pensione"_s, no, no), stored(u"Altro"_s, no, no), stored(u"Pensione"_s, no, yes) });
        });
        f.openYear(u"2024"_s);
        QStringList lines;
        whenModalShown([&lines](QWidget *summary) {
            auto *list = child<LineList>(summary, "lstRecords");
            lines = list->lines();
            clickLine(list, 1, true);
        });
        click(child(f.window(), "cmdDaEffettuare"));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[1], lines[2]);
        QCOMPARE(f.label("lblPosizione"), u"3"_s);
        QVERIFY(f.check("chkDaConfermare")->isChecked());
    }

    // A year file that cannot be read gives an empty list, without a word;
    // a double click on nothing closes and loads nothing.
    void unreadableYearFileListsNothing()
    {
        ScheduleFixture &f = start([](ScheduleFixture &f) { QVERIFY(QDir(f.path(QString())).mkdir(u"2030.sca"_s)); });
        f.openYear(u"2030"_s);
        QStringList lines { u"not read"_s };
        whenModalShown([&lines](QWidget *summary) {
            lines = child<LineList>(summary, "lstRecords")->lines();
            static_cast<SummaryWindow *>(summary)->lstRecordsDoubleClick();
        });
        click(child(f.window(), "cmdDaConfermare"));
        QVERIFY(lines.isEmpty());
        QCOMPARE(f.label("lblPosizione"), QString());
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

private:
    ScheduleFixture &start(std::function<void(ScheduleFixture &)> before)
    {
        m_fixture = std::make_unique<ScheduleFixture>(std::move(before));
        return *m_fixture;
    }

    std::unique_ptr<ScheduleFixture> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_SummaryWindow)
#include "tst_summarywindow.moc"
