// The deadline lists: which entries each list takes, their order and running
// numbers, the year file each reads, the grid and the spreadsheet export;
// the health booklets' due entries among the imminent ones, and what a
// double click on a row opens; and the schedule's buttons that open them.
#include "tst_frmscadenzario_fixture.h"

#include "schedule/DeadlineListWindow.h"
#include "storage/Flags.h"

#include <QCalendarWidget>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

using namespace ScheduleRecord;
using Answer = MessageBoxes::Answer;

/// An entry due on date ("dd/mm/yyyy") at time ("hh:mm") with the notice
/// given; Giorno, Mese, Anno, OreApp and MinutiApp agree with them.
QByteArray due(const QString &date, const QString &time, const QString &notice, EntryValues more = {})
{
    const int month = date.mid(3, 2).toInt();
    EntryValues values { { Giorno, date.left(2) }, { Anno, date.right(4) }, { Data, date },
        { OreApp, time.left(2) }, { MinutiApp, time.right(2) }, { Ora, time }, { Avviso, notice },
        { Nome, QStringLiteral("Fido") }, { Effettuata, FlagText::no() } };
    values[Mese] = QString(months.at(size_t(month - 1)).name);
    for (const auto &[field, text] : more)
        values[field] = text;
    return ScheduleFixture::entry(values);
}

/// The rows of a deadline grid as "N.|Data scadenza|Ora|Pagamento effettuato".
QStringList gridRows(QWidget *window)
{
    QAbstractItemModel *grid = child<QTableView>(window, "grdRecords")->model();
    QStringList rows;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column : { 0, 1, 2, 18 })
            cells.append(grid->index(row, column).data().toString());
        rows.append(cells.join(u'|'));
    }
    return rows;
}

/// The rows of a deadline grid as "N.|Data scadenza|Nome cane|Persona da
/// incontrare|Causale scadenza|Note|Codice univoco".
QStringList healthColumns(QWidget *window)
{
    QAbstractItemModel *grid = child<QTableView>(window, "grdRecords")->model();
    QStringList rows;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column : { 0, 1, 6, 12, 13, 19, 20 })
            cells.append(grid->index(row, column).data().toString());
        rows.append(cells.join(u'|'));
    }
    return rows;
}

void doubleClickRow(QWidget *window, int row)
{
    auto *view = child<QTableView>(window, "grdRecords");
    const QPoint at = view->visualRect(view->model()->index(row, 1)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

// What the opener of a health entry was asked for, as "parent dog entry".
struct OpenerCalls
{
    QStringList calls;
    DeadlineListWindow::HealthEntryOpener opener()
    {
        return [this](QWidget *parent, qint64 dog, qint64 entry) {
            calls.append(u"%1 %2 %3"_s.arg(parent ? parent->objectName() : u"-"_s).arg(dog).arg(entry));
        };
    }
};

/// The health booklets of two dogs, Rex (1) and Lola (2): on 28/02/2024
/// the entries at positions 4 (overdue), 2 and 3 are announced, in that
/// order of due date; the first is repeated by the second, the last is not
/// yet within its notice.
void writeBooklets(const TestContext &folder)
{
    using enum HealthDue::Kind;
    ScheduleFixture::writeDogs(folder, { u"Rex"_s, u"Lola"_s });
    ScheduleFixture::addHealthEntry(folder, 1, Vaccinazione, u"rabbia"_s, u"01/03/2024"_s);
    ScheduleFixture::addHealthEntry(
        folder, 1, Vaccinazione, u"rabbia"_s, u"05/03/2024"_s, 7, u"Dott. Neri"_s, u"seconda dose"_s);
    ScheduleFixture::addHealthEntry(folder, 2, Visita, {}, u"10/03/2024"_s, 30);
    ScheduleFixture::addHealthEntry(folder, 2, Sverminazione, u"Drontal"_s, u"20/02/2024"_s, 0);
    ScheduleFixture::addHealthEntry(folder, 2, Antiparassitario, {}, u"30/03/2024"_s);
}

} // namespace

class tst_DeadlineLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_context = std::make_unique<TestContext>();
        m_context->doubles.clock.current = QDateTime(QDate(2024, 2, 28), QTime(10, 0));
    }
    void cleanup()
    {
        m_window.reset();
        m_context.reset();
    }

    void imminentList_data()
    {
        QTest::addColumn<QList<QByteArray>>("entries2024");
        QTest::addColumn<QList<QByteArray>>("entries2025");
        QTest::addColumn<QStringList>("rows");
        const QString at = QStringLiteral("09:00");
        QTest::newRow("today, notice 0")
            << QList { due(u"28/02/2024"_s, at, u"0"_s) } << QList<QByteArray> {} << QStringList { u"1|28/02/2024|09:00|No"_s };
        QTest::newRow("yesterday, whatever the notice")
            << QList { due(u"27/02/2024"_s, at, u"999"_s) } << QList<QByteArray> {} << QStringList {};
        QTest::newRow("in 10 days, notice 10")
            << QList { due(u"09/03/2024"_s, at, u"10"_s) } << QList<QByteArray> {} << QStringList { u"1|09/03/2024|09:00|No"_s };
        QTest::newRow("in 10 days, notice 9")
            << QList { due(u"09/03/2024"_s, at, u"9"_s) } << QList<QByteArray> {} << QStringList {};
        // Next year's entries whose notice reaches today are listed after
        // this year's, numbered on, in their own chronological order.
        QTest::newRow("next year's file, when its notices reach today")
            << QList { due(u"20/03/2024"_s, at, u"30"_s) }
            << QList { due(u"10/01/2025"_s, at, u"400"_s), due(u"05/01/2025"_s, at, u"400"_s),
                   due(u"06/01/2025"_s, at, u"3"_s) }
            << QStringList { u"1|20/03/2024|09:00|No"_s, u"3|05/01/2025|09:00|No"_s, u"2|10/01/2025|09:00|No"_s };
        QTest::newRow("chronological order, numbers from the file")
            << QList { due(u"20/03/2024"_s, at, u"30"_s), due(u"10/03/2024"_s, u"18:30"_s, u"30"_s),
                   due(u"10/03/2024"_s, u"08:15"_s, u"30"_s) }
            << QList<QByteArray> {}
            << QStringList { u"3|10/03/2024|08:15|No"_s, u"2|10/03/2024|18:30|No"_s, u"1|20/03/2024|09:00|No"_s };
        // A time written by another program ("9" for the hour) makes a key
        // that is no eight digits: it sorts as text among the others.
        QTest::newRow("keys of other lengths sort as text")
            << QList { due(u"10/03/2024"_s, u"18:30"_s, u"30"_s),
                   due(u"10/03/2024"_s, u"09:00"_s, u"30"_s, { { OreApp, u"9"_s } }),
                   due(u"10/03/2024"_s, u"08:15"_s, u"30"_s) }
            << QList<QByteArray> {}
            << QStringList { u"3|10/03/2024|08:15|No"_s, u"1|10/03/2024|18:30|No"_s, u"2|10/03/2024|09:00|No"_s };
        QTest::newRow("paid and to confirm are listed")
            << QList { due(u"29/02/2024"_s, at, u"1"_s, { { Effettuata, FlagText::yes() }, { DaConfermare, FlagText::yes() } }) }
            << QList<QByteArray> {} << QStringList { u"1|29/02/2024|09:00|Sì"_s };
        // Entries whose date or notice cannot be read are passed over, and
        // take no number; the ones after them are still listed.
        QTest::newRow("unreadable entries are skipped")
            << QList { due(u"31/04/2024"_s, at, u"999"_s), due(u"01/03/2024"_s, at, u"x"_s),
                   due(u"01/03/2024"_s, at, QString()), due(u"01/03/2024"_s, at, u"2"_s) }
            << QList<QByteArray> {} << QStringList { u"1|01/03/2024|09:00|No"_s };
    }

    void imminentList()
    {
        QFETCH(QList<QByteArray>, entries2024);
        QFETCH(QList<QByteArray>, entries2025);
        QFETCH(QStringList, rows);
        m_context->writeFile(u"2024.sca"_s, entries2024.join());
        m_context->writeFile(u"2025.sca"_s, entries2025.join());
        open(DeadlineListWindow::imminent(), QDate(2024, 2, 28));
        QCOMPARE(gridRows(m_window.get()), rows);
        QVERIFY(m_context->doubles.messages.shown.isEmpty());
    }

    void dayAndMonthLists_data()
    {
        QTest::addColumn<bool>("month");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("day") << false << QStringList { u"1|10/05/2024|08:00|No"_s, u"2|10/05/2024|17:45|No"_s };
        QTest::newRow("month") << true
                               << QStringList { u"3|02/05/2024|12:00|No"_s, u"2|10/05/2024|08:00|No"_s,
                                      u"4|10/05/2024|17:45|No"_s, u"1|20/05/2024|09:00|No"_s };
    }

    // The day list compares Data with the calendar's date; the month list
    // the month's name (any case of its letters) and the year. Notices play
    // no part.
    void dayAndMonthLists()
    {
        QFETCH(bool, month);
        QFETCH(QStringList, rows);
        m_context->writeFile(u"2024.sca"_s,
            QList { due(u"20/05/2024"_s, u"09:00"_s, u"0"_s), due(u"10/05/2024"_s, u"08:00"_s, u"x"_s),
                due(u"02/05/2024"_s, u"12:00"_s, u"0"_s, { { Mese, u" MAGGIO "_s } }),
                due(u"10/05/2024"_s, u"17:45"_s, u"0"_s), due(u"10/06/2024"_s, u"08:00"_s, u"0"_s),
                due(u"10/05/2023"_s, u"08:00"_s, u"0"_s) }
                .join());
        open(month ? DeadlineListWindow::ofMonth() : DeadlineListWindow::ofDay(), QDate(2024, 5, 10));
        QCOMPARE(gridRows(m_window.get()), rows);
    }

    // The booklets' due entries, overdue ones too, stand among the imminent
    // schedule entries by date (after those of the same day), numbered on
    // after them, with the dog's name, the veterinarian, the line marked as
    // the booklet's and the note; the day and month lists take none. A
    // double click on a health row hands its dog's and entry's positions to
    // the opener, over the list; on a schedule row it does nothing.
    void imminentListTakesHealthEntries()
    {
        m_context->writeFile(u"2024.sca"_s,
            QList { due(u"05/03/2024"_s, u"08:00"_s, u"30"_s), due(u"01/03/2024"_s, u"09:00"_s, u"5"_s) }
                .join());
        m_context->writeFile(u"2025.sca"_s, due(u"05/01/2025"_s, u"10:00"_s, u"400"_s));
        writeBooklets(*m_context);
        OpenerCalls opened;
        m_window = std::make_unique<DeadlineListWindow>(m_context->context(), nullptr,
            DeadlineListWindow::imminent(), QDate(2024, 2, 28), opened.opener());
        m_window->show();
        QCOMPARE(healthColumns(m_window.get()),
            QStringList({ u"4|20/02/2024|Lola||Libretto sanitario: Sverminazione Drontal — Lola, 20/02/2024||"_s,
                u"2|01/03/2024|Fido||||03010900"_s, u"1|05/03/2024|Fido||||03050800"_s,
                u"5|05/03/2024|Rex|Dott. Neri|Libretto sanitario: Richiamo rabbia — Rex, 05/03/2024|seconda dose|"_s,
                u"6|10/03/2024|Lola||Libretto sanitario: Visita — Lola, 10/03/2024||"_s,
                u"3|05/01/2025|Fido||||01051000"_s }));

        for (int row : { 1, 0, 3, 5 })
            doubleClickRow(m_window.get(), row);
        QCOMPARE(opened.calls, QStringList({ u"frmExpImminenti 2 4"_s, u"frmExpImminenti 1 2"_s }));
        QVERIFY(m_window->isVisible());

        open(DeadlineListWindow::ofMonth(), QDate(2024, 3, 1));
        QCOMPARE(gridRows(m_window.get()),
            QStringList({ u"2|01/03/2024|09:00|No"_s, u"1|05/03/2024|08:00|No"_s }));
        doubleClickRow(m_window.get(), 0);
        QCOMPARE(opened.calls.size(), 2);
        QVERIFY(m_context->doubles.messages.shown.isEmpty());
    }

    // The export writes the health rows in the schedule's columns, in
    // Windows-1252 as every cell: the schedule's rows and the header as before.
    void exportCarriesHealthRows()
    {
        m_context->writeFile(
            u"2024.sca"_s, due(u"01/03/2024"_s, u"09:00"_s, u"5"_s, { { Costo, u"12,50"_s } }));
        writeBooklets(*m_context);
        open(DeadlineListWindow::imminent(), QDate(2024, 2, 28));
        m_context->doubles.messages.answerNextQuestions({ Answer::Yes, Answer::No });
        click(child(m_window.get(), "cmdEsporta"));
        const QByteArray written = m_context->readFile(u"Scadenze_Imminenti.xls"_s);
        QVERIFY(written.contains("<x:Name>Scadenze imminenti</x:Name>"));
        QVERIFY(written.contains(">Codice univoco</td></tr>"));
        const QByteArray textCell = "<td style=\"text-align: left;\" class=\"text\" sdnum=\"1040;0;@\">";
        QVERIFY(written.contains("<tr>" + textCell + "01/03/2024</td>" + textCell + "09:00</td>"));
        QVERIFY(written.contains("<tr>" + textCell + "05/03/2024</td>" + textCell + "</td>"));
        QVERIFY(written.contains(textCell + "Libretto sanitario: Richiamo rabbia \x97 Rex, 05/03/2024</td>"));
        QVERIFY(written.indexOf("Drontal") < written.indexOf("09:00")
            && written.indexOf("09:00") < written.indexOf("rabbia"));
    }

    // A health row shows the dog as its card is now, where a schedule entry
    // shows the dog chosen for it; a card beyond the archive leaves them blank.
    void healthRowsShowTheDogsCard()
    {
        m_context->writeFile(DogRecord::fileName,
            recordBytes(DogRecord::layout(),
                { { DogRecord::Nome, u"Rex"_s }, { DogRecord::Proprietario, u" Anna Bianchi"_s },
                    { DogRecord::Recapito, u"333 1234567"_s }, { DogRecord::Razza, u"Boxer"_s } }));
        using enum HealthDue::Kind;
        ScheduleFixture::addHealthEntry(*m_context, 1, Vaccinazione, u"rabbia"_s, u"01/03/2024"_s);
        ScheduleFixture::addHealthEntry(*m_context, 9, Visita, {}, u"02/03/2024"_s);
        open(DeadlineListWindow::imminent(), QDate(2024, 2, 28));
        QAbstractItemModel *grid = child<QTableView>(m_window.get(), "grdRecords")->model();
        QStringList shown;
        for (int row = 0; row < grid->rowCount(); ++row) {
            QStringList cells;
            for (int column : { 3, 5, 6, 8 }) // Proprietario, Recapito, Nome cane, Razza
                cells.append(grid->index(row, column).data().toString());
            shown.append(cells.join(u'|'));
        }
        QCOMPARE(shown, (QStringList { u"Anna Bianchi|333 1234567|Rex|Boxer"_s, u"||cane n. 9|"_s }));
    }

    // A booster recorded in the booklet opened from the list leaves the list
    // without the entry it repeats.
    void listShowsTheBookletsAsLeft()
    {
        writeBooklets(*m_context);
        const QString archive = m_context->path(HealthRecord::fileName());
        m_window = std::make_unique<DeadlineListWindow>(m_context->context(), nullptr, DeadlineListWindow::imminent(),
            QDate(2024, 2, 28), [&archive](QWidget *, qint64 dog, qint64 position) {
                for (const HealthBooklet::Entry &entry : HealthBooklet::read(archive, dog).entries) {
                    if (entry.position == position)
                        HealthBooklet::add(archive, HealthBooklet::booster(entry, QDate(2024, 2, 28), QDate()));
                }
            });
        m_window->show();
        QVERIFY(healthColumns(m_window.get()).first().contains(u"Drontal"_s));
        doubleClickRow(m_window.get(), 0);
        QVERIFY(!healthColumns(m_window.get()).join(u'\n').contains(u"Drontal"_s));
        QCOMPARE(healthColumns(m_window.get()).size(), 2);
    }

    // The schedule hands its opener to the imminent list it opens.
    void scheduleHandsItsOpenerToTheImminentList()
    {
        OpenerCalls opened;
        ScheduleFixture f([](ScheduleFixture &f) { writeBooklets(f); });
        f.window()->setHealthEntryOpener(opened.opener());
        whenModalShown([](QWidget *list) {
            doubleClickRow(list, 0);
            click(child(list, "cmdEsci"));
        });
        click(child(f.window(), "btnOK"));
        QCOMPARE(opened.calls, QStringList { u"frmExpImminenti 2 4"_s });
    }

    // The calendar's year names the file; a missing one is created empty.
    void missingYearFileIsCreatedEmpty()
    {
        open(DeadlineListWindow::ofMonth(), QDate(2031, 7, 1));
        QVERIFY(gridRows(m_window.get()).isEmpty());
        QVERIFY(QFileInfo::exists(m_context->path(u"2031.sca"_s)));
        QCOMPARE(m_context->readFile(u"2031.sca"_s).size(), 0);
    }

    // The window as drawn: caption, size, the 21 columns with their headers
    // and widths, the key in the last column, rows 21 high; and its help page.
    void gridShowsEveryFieldAndTheKey()
    {
        m_context->writeFile(u"2024.sca"_s,
            due(u"05/03/2024"_s, u"09:30"_s, u"7"_s, { { Proprietario, u"  Anna Bianchi "_s }, { Note, u"prima"_s } }));
        open(DeadlineListWindow::imminent(), QDate(2024, 2, 28));
        QCOMPARE(m_window->windowTitle(), u" Scadenze imminenti"_s);
        QCOMPARE(m_window->objectName(), u"frmExpImminenti"_s);
        QCOMPARE(m_window->size(), QSize(862, 560));
        auto *view = child<QTableView>(m_window.get(), "grdRecords");
        QAbstractItemModel *grid = view->model();
        QCOMPARE(grid->columnCount(), 21);
        const std::pair<int, const char16_t *> headers[] = { { 0, u"N." }, { 1, u"Data scadenza" },
            { 4, u"Codice fiscale" }, { 18, u"Pagamento effettuato" }, { 20, u"Codice univoco" } };
        for (const auto &[column, header] : headers)
            QCOMPARE(grid->headerData(column, Qt::Horizontal).toString(), QString::fromUtf16(header));
        QCOMPARE(view->columnWidth(4), 180);
        QCOMPARE(view->columnWidth(20), 150);
        QCOMPARE(view->verticalHeader()->defaultSectionSize(), 21);
        QCOMPARE(grid->index(0, 3).data().toString(), u"Anna Bianchi"_s);
        QCOMPARE(grid->index(0, 19).data().toString(), u"prima"_s);
        QCOMPARE(grid->index(0, 20).data().toString(), u"03050930"_s);
        QCOMPARE(child<QLabel>(m_window.get(), "panInfo")->text(), u"Esportazione archivio in Microsoft Excel."_s);

        QCOMPARE(helpOpenedBy(child(m_window.get(), "cmdGuida")), u"frmGuida Visualizzazione scadenze e appuntamenti."_s);
    }

    // The export writes the grid's rows in grid order, without the running
    // number, with the key last, to the list's own file and sheet; the cells
    // are text but for the amount, which stays a number.
    void exportWritesTheGridInItsOrder()
    {
        m_context->writeFile(u"2024.sca"_s,
            QList { due(u"20/05/2024"_s, u"09:00"_s, u"0"_s, { { Dettagli, u"Toelettatura"_s } }),
                due(u"10/05/2024"_s, u"08:00"_s, u"0"_s,
                    { { Dettagli, u"Vaccino & richiamo"_s }, { Costo, u"12,50"_s } }) }
                .join());
        open(DeadlineListWindow::ofMonth(), QDate(2024, 5, 1));
        m_context->doubles.messages.answerNextQuestions({ Answer::Yes, Answer::No });
        click(child(m_window.get(), "cmdEsporta"));
        const QByteArray written = m_context->readFile(u"Scadenze_Mensili.xls"_s);
        QVERIFY(written.contains("<x:Name>Scadenze del mese</x:Name>"));
        QVERIFY(written.contains(">Codice univoco</td></tr>"));
        const qsizetype first = written.indexOf("Vaccino &amp; richiamo");
        const qsizetype second = written.indexOf("Toelettatura");
        QVERIFY(first > 0 && second > first);
        const QByteArray textCell = "<td style=\"text-align: left;\" class=\"text\" sdnum=\"1040;0;@\">";
        QVERIFY(written.contains("<tr>" + textCell + "10/05/2024</td>"));
        QVERIFY(written.contains(textCell + "05100800</td></tr>"));
        QVERIFY(written.contains(textCell + "Vaccino &amp; richiamo</td>" + textCell
            + "</td><td style=\"text-align: left;\">12,50</td>"));
        QVERIFY(m_context->doubles.shell.opened.isEmpty());
        QVERIFY(m_window->isVisible());
    }

    // The start view's buttons: "OK" lists today's imminent entries of the
    // current year; the day and month buttons use the calendar's date and
    // read its year, not the year open in the card view.
    void scheduleButtonsOpenTheLists()
    {
        ScheduleFixture f([](ScheduleFixture &f) {
            f.writeYear(2024, { due(u"01/03/2024"_s, u"10:00"_s, u"5"_s) });
            f.writeYear(2023, { due(u"14/07/2023"_s, u"10:00"_s, u"0"_s), due(u"15/07/2023"_s, u"10:00"_s, u"0"_s) });
        });
        child<QCalendarWidget>(f.window(), "calAppuntamenti")->setSelectedDate(QDate(2023, 7, 15));
        const std::pair<const char *, QString> buttons[] = {
            { "btnOK", u"frmExpImminenti 1|01/03/2024|10:00|No"_s },
            { "btnGiorno", u"frmExpGiornaliere 1|15/07/2023|10:00|No"_s },
            { "btnMese", u"frmExpMensili 1|14/07/2023|10:00|No,2|15/07/2023|10:00|No"_s },
        };
        for (const auto &[button, expected] : buttons) {
            QString seen;
            QWidget *owner = nullptr;
            whenModalShown([&seen, &owner](QWidget *list) {
                seen = list->objectName() + u' ' + gridRows(list).join(u',');
                owner = list->parentWidget();
                click(child(list, "cmdEsci"));
            });
            click(child(f.window(), button));
            QCOMPARE(seen, expected);
            QCOMPARE(owner, f.window());
        }
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

private:
    void open(const DeadlineListWindow::Description &description, QDate day)
    {
        m_window = std::make_unique<DeadlineListWindow>(m_context->context(), nullptr, description, day);
        m_window->show();
    }

    std::unique_ptr<TestContext> m_context;
    std::unique_ptr<DeadlineListWindow> m_window;
};

ZAMPORA_GUI_TEST_MAIN(tst_DeadlineLists)
#include "tst_deadlinelists.moc"
