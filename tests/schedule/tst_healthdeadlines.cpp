// The list "Scadenze sanitarie": its rows for a period (texts, order, state on
// today), the period's messages, printing and the spreadsheet export, a
// booklets' archive that cannot be read, and the schedule's button that
// opens it.
#include "tst_frmscadenzario_fixture.h"

#include "kennel/HealthBooklet.h"
#include "schedule/frmScadenzeSanitarie.h"
#include "storage/DogRecord.h"
#include "storage/HealthRecord.h"
#include "storage/RecordFile.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

using Answer = MessageBoxes::Answer;
using Treatment = HealthDue::Kind;

// Today is 10/03/2026. Dogs 1 to 3 are Rex, Luna and Birba. Rex's first
// cimurro is repeated by the second and no longer due.
struct Item
{
    qint64 dog;
    const char *date;
    Treatment kind;
    const char *what;
    const char *due;
    int notice;
    const char *veterinarian;
};
const Item items[] = {
    { 1, "14/03/2025", Treatment::Vaccinazione, "rabbia", "14/03/2026", 7, "Dott. Bianchi" },
    { 2, "01/12/2025", Treatment::Sverminazione, "Drontal", "01/03/2026", 7, "" },
    { 3, "05/03/2026", Treatment::Antiparassitario, "", "05/04/2026", 3, "Dott.ssa Neri" },
    { 1, "01/03/2025", Treatment::Vaccinazione, "cimurro", "01/03/2026", 7, "" },
    { 1, "02/03/2026", Treatment::Vaccinazione, "cimurro", "02/03/2027", 7, "" },
    { 2, "20/05/2025", Treatment::Visita, "controllo", "20/05/2026", 7, "Dott. Bianchi" },
};

const QString rabies = u"14/03/2026|Rex|Vaccinazione|rabbia|in scadenza|Dott. Bianchi"_s;
const QString worming = u"01/03/2026|Luna|Sverminazione|Drontal|scaduto|"_s;
const QString antiparasitic = u"05/04/2026|Birba|Antiparassitario||ok|Dott.ssa Neri"_s;
const QString visit = u"20/05/2026|Luna|Visita|controllo|ok|Dott. Bianchi"_s;

QDate day(const char *text)
{
    return QDate::fromString(QString::fromLatin1(text), u"dd/MM/yyyy"_s);
}

void writeBooklets(TestContext &folder)
{
    QByteArray dogs;
    for (const char *name : { "Rex", "Luna", "Birba" })
        dogs += recordBytes(DogRecord::layout(), { { DogRecord::Nome, QString::fromLatin1(name) } });
    folder.writeFile(DogRecord::fileName, dogs);
    for (const Item &item : items) {
        HealthBooklet::Entry entry;
        entry.dog = item.dog;
        entry.date = day(item.date);
        entry.kind = item.kind;
        entry.what = QString::fromLatin1(item.what);
        entry.due = day(item.due);
        entry.noticeDays = item.notice;
        entry.veterinarian = QString::fromLatin1(item.veterinarian);
        HealthBooklet::add(folder.path(HealthRecord::fileName()), entry);
    }
}

/// The grid's rows without the running number, cells joined by "|".
QStringList gridRows(QWidget *window)
{
    QAbstractItemModel *grid = child<QTableView>(window, "grdRecords")->model();
    QStringList rows;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 1; column < grid->columnCount(); ++column)
            cells.append(grid->index(row, column).data().toString());
        rows.append(cells.join(u'|'));
    }
    return rows;
}

} // namespace

class tst_HealthDeadlines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_context = std::make_unique<TestContext>();
        m_context->doubles.clock.current = QDateTime(QDate(2026, 3, 10), QTime(10, 0));
        writeBooklets(*m_context);
    }
    void cleanup()
    {
        m_window.reset();
        m_context.reset();
    }

    // It opens on today and the thirty days after it, with its columns; its
    // help is the booklet's page, which tells where the due dates show.
    void opensOnTheNextThirtyDays()
    {
        open();
        QCOMPARE(m_window->objectName(), u"frmScadenzeSanitarie"_s);
        QCOMPARE(m_window->windowTitle(), u" Scadenze sanitarie"_s);
        QCOMPARE(box("txtDal")->text(), u"10/03/2026"_s);
        QCOMPARE(box("txtAl")->text(), u"09/04/2026"_s);
        QAbstractItemModel *grid = child<QTableView>(m_window.get(), "grdRecords")->model();
        QStringList headers;
        for (int column = 0; column < grid->columnCount(); ++column)
            headers.append(grid->headerData(column, Qt::Horizontal).toString());
        QCOMPARE(headers, (QStringList { u"N."_s, u"Scadenza"_s, u"Cane"_s, u"Tipo"_s, u"Cosa"_s, u"Stato"_s,
                              u"Veterinario"_s }));
        QCOMPARE(gridRows(m_window.get()), (QStringList { rabies, antiparasitic }));
        QCOMPARE(grid->index(1, 0).data().toString(), u"2"_s);
        QVERIFY(m_context->doubles.messages.shown.isEmpty());

        QCOMPARE(helpOpenedBy(child(m_window.get(), "cmdGuida")), u"frmGuida Libretto sanitario del cane."_s);
    }

    void periodShown_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("overdue and later, in order of due date")
            << u"01/03/2026"_s << u"31/05/2026"_s << QStringList { worming, rabies, antiparasitic, visit };
        QTest::newRow("both ends included") << u"14/03/2026"_s << u"05/04/2026"_s << QStringList { rabies, antiparasitic };
        QTest::newRow("one day") << u"20/05/2026"_s << u"20/05/2026"_s << QStringList { visit };
        QTest::newRow("nothing due") << u"15/03/2026"_s << u"04/04/2026"_s << QStringList {};
        QTest::newRow("a repeated item is never listed") << u"01/03/2026"_s << u"01/03/2026"_s << QStringList { worming };
    }
    void periodShown()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, rows);
        open();
        show(from, to);
        QCOMPARE(gridRows(m_window.get()), rows);
        QVERIFY(m_context->doubles.messages.shown.isEmpty());
    }

    void periodRefused_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");
        const QString noStart = u"Attenzione: la data iniziale del periodo non esiste. Indicarla nella forma "
                                u"gg/mm/aaaa (per esempio 01/03/2026)."_s;
        const QString noEnd = u"Attenzione: la data finale del periodo non esiste. Indicarla nella forma "
                              u"gg/mm/aaaa (per esempio 31/03/2026)."_s;
        QTest::newRow("no 30 February") << u"30/02/2026"_s << u"31/03/2026"_s << noStart << u"txtDal"_s;
        QTest::newRow("start left empty") << QString() << u"31/03/2026"_s << noStart << u"txtDal"_s;
        QTest::newRow("no 29 February in 2027") << u"01/02/2027"_s << u"29/02/2027"_s << noEnd << u"txtAl"_s;
        QTest::newRow("end not a date") << u"01/03/2026"_s << u"1/4/2026"_s << noEnd << u"txtAl"_s;
        QTest::newRow("end before start")
            << u"01/04/2026"_s << u"31/03/2026"_s
            << u"Attenzione: la fine del periodo (31/03/2026) precede il suo inizio (01/04/2026). Indicare una data "
               u"finale dal 01/04/2026 in poi."_s
            << u"txtAl"_s;
    }
    // A period refused leaves the list as it was.
    void periodRefused()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        open();
        m_window->activateWindow();
        show(from, to);
        QCOMPARE(m_context->doubles.messages.takeOnly(), (Shown { Kind::Warning, message }));
        QCOMPARE(gridRows(m_window.get()), (QStringList { rabies, antiparasitic }));
        QCOMPARE(m_window->focusWidget(), box(focused.toLatin1().constData()));
    }

    // The printed list is the period shown (not one typed and not yet
    // shown), in columns, under its title.
    void printsThePeriodShown()
    {
        open();
        show(u"01/03/2026"_s, u"31/05/2026"_s);
        box("txtAl")->setText(u"31/12/2026"_s);
        click(child(m_window.get(), "cmdStampa"));
        QCOMPARE(m_context->doubles.printing.printed.size(), size_t(1));
        const QStringList texts = reportTexts(m_context->doubles.printing.printed.front());
        QVERIFY(texts.contains(u"Scadenze sanitarie dal 01/03/2026 al 31/05/2026"_s));
        const QStringList expected {
            u"Scadenza    Cane                      Tipo              Cosa                                      Stato        Veterinario"_s,
            QString(151, u'-'),
            u"01/03/2026  Luna                      Sverminazione     Drontal                                   scaduto"_s,
            u"14/03/2026  Rex                       Vaccinazione      rabbia                                    in scadenza  Dott. Bianchi"_s,
            u"05/04/2026  Birba                     Antiparassitario                                            ok           Dott.ssa Neri"_s,
            u"20/05/2026  Luna                      Visita            controllo                                 ok           Dott. Bianchi"_s,
        };
        for (const QString &line : expected)
            QVERIFY2(texts.contains(line), qPrintable(texts.join(u'\n')));
        QVERIFY(m_context->doubles.messages.shown.isEmpty());
    }

    void printsAnEmptyPeriodAsSuch()
    {
        open();
        show(u"15/03/2026"_s, u"04/04/2026"_s);
        click(child(m_window.get(), "cmdStampa"));
        QCOMPARE(m_context->doubles.printing.printed.size(), size_t(1));
        QVERIFY(reportTexts(m_context->doubles.printing.printed.front())
                    .contains(u"Nessuna scadenza sanitaria nel periodo."_s));
    }

    // The export writes the grid's rows in its order, without the running
    // number, to its own file and sheet in the program folder.
    void exportWritesTheList()
    {
        open();
        show(u"01/03/2026"_s, u"31/05/2026"_s);
        m_context->doubles.messages.answerNextQuestions({ Answer::Yes, Answer::No });
        click(child(m_window.get(), "cmdEsporta"));
        const QByteArray written = m_context->readFile(u"Scadenze_Sanitarie.xls"_s);
        QVERIFY(written.contains("<x:Name>Scadenze sanitarie</x:Name>"));
        QVERIFY(written.contains(">Veterinario</td></tr>"));
        const QByteArray cell = "<td style=\"text-align: left;\" class=\"text\" sdnum=\"1040;0;@\">";
        QVERIFY(written.contains("<tr>" + cell + "01/03/2026</td>" + cell + "Luna</td>" + cell + "Sverminazione</td>"
            + cell + "Drontal</td>" + cell + "scaduto</td>" + cell + "</td></tr>"));
        qsizetype from = 0;
        for (const char *due : { "01/03/2026", "14/03/2026", "05/04/2026", "20/05/2026" }) {
            const qsizetype at = written.indexOf(cell + due, from);
            QVERIFY2(at > from, due);
            from = at;
        }
        QVERIFY(m_context->doubles.shell.opened.isEmpty());
    }

    // The booklets cannot be read: the window says so and lists nothing; a
    // later "Mostra" that fails again leaves the list as it was.
    void unreadableBooklets()
    {
        QFile::remove(m_context->path(HealthRecord::fileName()));
        QVERIFY(QDir(m_context->path({})).mkdir(HealthRecord::fileName()));
        open();
        QCOMPARE(m_context->doubles.messages.takeOnly(), (Shown { Kind::Error, accessMessage() }));
        QVERIFY(gridRows(m_window.get()).isEmpty());
        m_context->doubles.messages.shown.clear();
        show(u"01/03/2026"_s, u"31/05/2026"_s);
        QCOMPARE(m_context->doubles.messages.takeOnly(), (Shown { Kind::Error, accessMessage() }));
    }

    // No booklets at all: an empty list, and nothing created.
    void noBooklets()
    {
        QFile::remove(m_context->path(HealthRecord::fileName()));
        open();
        QVERIFY(gridRows(m_window.get()).isEmpty());
        QVERIFY(m_context->doubles.messages.shown.isEmpty());
        QVERIFY(!QFileInfo::exists(m_context->path(HealthRecord::fileName())));
    }

    // "Scadenze sanitarie" on the schedule's start view, under the day and
    // month buttons, opens the list over the schedule window.
    void scheduleButtonOpensTheList()
    {
        ScheduleFixture f([](ScheduleFixture &f) { writeBooklets(f); });
        f.doubles.clock.current = QDateTime(QDate(2026, 3, 10), QTime(10, 0));
        QWidget *button = child(f.window(), "btnSanitarie");
        QWidget *month = child(f.window(), "btnMese");
        QCOMPARE(button->x(), month->x());
        QCOMPARE(button->y(), month->y() + 50);
        QString seen;
        QWidget *owner = nullptr;
        whenModalShown([&seen, &owner](QWidget *list) {
            seen = list->objectName() + u' ' + gridRows(list).join(u',');
            owner = list->parentWidget();
            click(child(list, "cmdEsci"));
        });
        click(button);
        QCOMPARE(seen, u"frmScadenzeSanitarie "_s + rabies + u',' + antiparasitic);
        QCOMPARE(owner, f.window());
    }

private:
    void open()
    {
        m_window = std::make_unique<frmScadenzeSanitarie>(m_context->context(), nullptr);
        m_window->show();
    }
    QLineEdit *box(const char *name) { return child<QLineEdit>(m_window.get(), name); }
    /// Types the period in the boxes and presses "Mostra".
    void show(const QString &from, const QString &to)
    {
        for (const auto &[name, text] : { std::pair { "txtDal", from }, std::pair { "txtAl", to } }) {
            box(name)->clear();
            QTest::keyClicks(box(name), text);
        }
        click(child(m_window.get(), "btnMostra"));
    }

    std::unique_ptr<TestContext> m_context;
    std::unique_ptr<frmScadenzeSanitarie> m_window;
};

ZAMPORA_GUI_TEST_MAIN(tst_HealthDeadlines)
#include "tst_healthdeadlines.moc"
