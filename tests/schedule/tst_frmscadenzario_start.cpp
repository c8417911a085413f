// The schedule's start view: the imminent-deadline notice with its alarm and
// the health booklets' due entries, the calendar, opening a year and closing
// the window.
#include "tst_frmscadenzario_fixture.h"

#include <QCalendarWidget>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QTextCharFormat>

using namespace Qt::StringLiterals;

class tst_FrmScadenzarioStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { m_fixture.reset(); }

    // With nothing due (next year's entries too far off for their notice),
    // the current year's file is created empty and the notice says so,
    // silently.
    void nothingDue_createsTheYearFileAndStaysSilent()
    {
        ScheduleFixture &f = start([](ScheduleFixture &f) {
            f.writeYear(2024, { ScheduleFixture::deadline(QStringLiteral("20/03/2024"), QStringLiteral("5")) });
            f.writeYear(2025, { ScheduleFixture::deadline(QStringLiteral("01/01/2025"), QStringLiteral("5")) });
        });
        QCOMPARE(f.window()->windowTitle(), QStringLiteral(" Zampora - Scadenze e Appuntamenti"));
        QVERIFY(child(f.window(), "panAvvio")->isVisible());
        QVERIFY(!child(f.window(), "panContainer")->isVisible());
        QCOMPARE(f.box("txtAnno")->text(), QStringLiteral("2024"));
        QCOMPARE(f.focused(), QStringLiteral("txtAnno"));
        QVERIFY(child(f.window(), "imgAssenti")->isVisible());
        QVERIFY(!child(f.window(), "imgPresenti")->isVisible());
        QVERIFY(!child(f.window(), "btnOK")->isEnabled());
        QCOMPARE(f.doubles.sound.plays, 0);
        QCOMPARE(child<QCalendarWidget>(f.window(), "calAppuntamenti")->selectedDate(), QDate(2024, 2, 28));
        QCOMPARE(f.window()->calendarDate(), QDate(2024, 2, 28));
        QVERIFY(f.doubles.messages.shown.isEmpty());

        m_fixture.reset();
        ScheduleFixture missing;
        QVERIFY(QFileInfo::exists(missing.path(QStringLiteral("2024.sca"))));
        QCOMPARE(missing.yearFile(2024).size(), 0);
    }

    void somethingDue_data()
    {
        QTest::addColumn<QByteArray>("soundFile"); // empty: no file
        QTest::addColumn<bool>("playable");
        QTest::addColumn<int>("plays");
        QTest::newRow("sound") << QByteArray("ID3") << true << 1;
        QTest::newRow("no sound file") << QByteArray() << true << 0;
        QTest::newRow("sound file unplayable") << QByteArray("garbage") << false << 0;
    }

    // An entry due within its notice enables "OK", shows the picture and
    // plays the alarm once from the program folder; a missing or unplayable
    // sound is only silence. An entry that cannot be judged does not hide
    // the ones after it.
    void somethingDue()
    {
        QFETCH(QByteArray, soundFile);
        QFETCH(bool, playable);
        QFETCH(int, plays);
        ScheduleFixture &f = start([&](ScheduleFixture &f) {
            f.writeYear(2024, { ScheduleFixture::deadline(QStringLiteral("31/04/2024"), QStringLiteral("1")),
                                  ScheduleFixture::deadline(QStringLiteral("09/03/2024"), QStringLiteral("10")) });
            if (!soundFile.isEmpty())
                f.writeFile(QStringLiteral("Avviso.mp3"), soundFile);
            f.doubles.sound.playable = playable;
        });
        QVERIFY(child(f.window(), "imgPresenti")->isVisible());
        QVERIFY(!child(f.window(), "imgAssenti")->isVisible());
        QVERIFY(child(f.window(), "btnOK")->isEnabled());
        QCOMPARE(f.doubles.sound.loads, QStringList { f.path(QStringLiteral("Avviso.mp3")) });
        QCOMPARE(f.doubles.sound.plays, plays);
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    void healthEntries_data()
    {
        QTest::addColumn<bool>("scheduleDue");
        QTest::addColumn<QString>("booklets"); // "due", "not due", "none" (no archive), "unreadable"
        QTest::addColumn<QStringList>("lines");
        const QStringList announced { QString::fromUtf8("Sverminazione Drontal — cane n. 2, 20/02/2024"),
            QString::fromUtf8("Visita — cane n. 7, 01/03/2024"),
            QString::fromUtf8("Richiamo rabbia — Rex, 05/03/2024") };
        QTest::newRow("schedule and booklets") << true << u"due"_s << announced;
        QTest::newRow("booklets only") << false << u"due"_s << announced;
        QTest::newRow("schedule only, booklets not due") << true << u"not due"_s << QStringList {};
        QTest::newRow("nothing due") << false << u"not due"_s << QStringList {};
        QTest::newRow("no booklets") << false << u"none"_s << QStringList {};
        QTest::newRow("booklets unreadable") << true << u"unreadable"_s << QStringList {};
    }

    // The booklets' entries overdue or within their notice are listed by line
    // under the notice, in order of due date, with the dog's name or, for a
    // card without one or beyond the archive, its number; they alone bring
    // the picture, "OK" and the alarm. Without them the panel stays hidden
    // and the schedule's notice is as before; a missing archive is not
    // created, one that cannot be read is passed over.
    void healthEntries()
    {
        QFETCH(bool, scheduleDue);
        QFETCH(QString, booklets);
        QFETCH(QStringList, lines);
        ScheduleFixture &f = start([&](ScheduleFixture &f) {
            f.writeYear(2024, { ScheduleFixture::deadline(u"01/03/2024"_s, scheduleDue ? u"5"_s : u"0"_s) });
            f.writeFile(u"Avviso.mp3"_s, "ID3");
            ScheduleFixture::writeDogs(f, { u"Rex"_s, u" "_s });
            using enum HealthDue::Kind;
            ScheduleFixture::addHealthEntry(f, 1, Antiparassitario, {}, u"30/03/2024"_s);
            if (booklets == u"due") {
                ScheduleFixture::addHealthEntry(f, 1, Vaccinazione, u"rabbia"_s, u"05/03/2024"_s);
                ScheduleFixture::addHealthEntry(f, 2, Sverminazione, u"Drontal"_s, u"20/02/2024"_s, 0);
                ScheduleFixture::addHealthEntry(f, 7, Visita, {}, u"01/03/2024"_s, 2); // 29/02 lies between
            } else if (booklets == u"none") {
                QVERIFY(QFile::remove(f.path(HealthRecord::fileName())));
            } else if (booklets == u"unreadable") {
                QVERIFY(QFile::remove(f.path(HealthRecord::fileName())));
                QVERIFY(QDir().mkdir(f.path(HealthRecord::fileName())));
            }
        });
        const bool due = scheduleDue || !lines.isEmpty();
        QCOMPARE(child(f.window(), "imgPresenti")->isVisible(), due);
        QCOMPARE(child(f.window(), "imgAssenti")->isVisible(), !due);
        QCOMPARE(child(f.window(), "btnOK")->isEnabled(), due);
        QCOMPARE(f.doubles.sound.plays, due ? 1 : 0);
        QCOMPARE(child(f.window(), "panSanitarie")->isVisible(), !lines.isEmpty());
        const QAbstractItemModel *list = child<QListView>(f.window(), "lstSanitarie")->model();
        QStringList shown;
        for (int row = 0; row < list->rowCount(); ++row)
            shown.append(list->index(row, 0).data().toString());
        QCOMPARE(shown, lines);
        QCOMPARE(QFileInfo::exists(f.path(HealthRecord::fileName())), booklets != u"none");
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    // Closing stops the alarm, returns to the start view and shows the main
    // menu; showing again judges afresh and sounds again.
    void closingStopsTheAlarm_showingAgainChecksAgain()
    {
        ScheduleFixture &f = start([](ScheduleFixture &f) {
            f.writeYear(2024, { ScheduleFixture::deadline(QStringLiteral("28/02/2024"), QStringLiteral("0")) });
            f.writeFile(QStringLiteral("Avviso.mp3"), "ID3");
        });
        QVERIFY(f.doubles.sound.playing);
        f.openYear(QStringLiteral("2024"));
        click(child(f.window(), "cmdEsci"));
        QVERIFY(!f.doubles.sound.playing);
        QVERIFY(!f.window()->isVisible());
        QVERIFY(f.app().mainMenu().isVisible());

        f.writeYear(2024, {});
        click(child(&f.app().mainMenu(), "btnScadenze"));
        QVERIFY(f.window()->isVisible());
        QVERIFY(child(f.window(), "panAvvio")->isVisible());
        QVERIFY(!child(f.window(), "panContainer")->isVisible());
        QVERIFY(!child(f.window(), "btnOK")->isEnabled());
        QCOMPARE(f.doubles.sound.plays, 1);
    }

    // A year file that cannot be read leaves the notice as it was, silently.
    void unreadableYearFile_changesNothing()
    {
        ScheduleFixture &f = start([](ScheduleFixture &f) { QVERIFY(QDir().mkdir(f.path(QStringLiteral("2024.sca")))); });
        QVERIFY(child(f.window(), "imgAssenti")->isVisible());
        QVERIFY(child(f.window(), "btnOK")->isEnabled());
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    void openingAYear_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("year"); // empty: refused
        QTest::newRow("three digits") << QStringLiteral("202") << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("letters are not typed") << QStringLiteral("20a23") << QStringLiteral("2023");
        QTest::newRow("fifth digit not taken") << QStringLiteral("20239") << QStringLiteral("2023");
    }

    // Four digits open the card view of that year without creating its file;
    // anything else is refused with the four-digit warning.
    void openingAYear()
    {
        QFETCH(QString, typed);
        QFETCH(QString, year);
        ScheduleFixture &f = start();
        f.openYear(typed);
        if (year.isEmpty()) {
            QCOMPARE(f.doubles.messages.takeOnly(),
                (Shown { Kind::Warning, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.") }));
            QCOMPARE(f.focused(), QStringLiteral("txtAnno"));
            QVERIFY(child(f.window(), "panAvvio")->isVisible());
            return;
        }
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QVERIFY(!child(f.window(), "panAvvio")->isVisible());
        QVERIFY(child(f.window(), "panContainer")->isVisible());
        QCOMPARE(f.window()->windowTitle(), QStringLiteral(" Zampora - Scadenze e appuntamenti anno ") + year);
        QCOMPARE(f.label("lblAnno"), year);
        QCOMPARE(f.window()->yearFilePath(), f.path(year + QStringLiteral(".sca")));
        QVERIFY(!QFileInfo::exists(f.path(year + QStringLiteral(".sca"))));
        QCOMPARE(f.window()->position(), QString());
        QCOMPARE(f.focused(), QStringLiteral("txtGiorno"));
    }

    // Enter in the year box goes to "Apri" without opening; Enter there opens.
    void enterInTheYearBoxGoesToOpen()
    {
        ScheduleFixture &f = start();
        QTest::keyClick(f.box("txtAnno"), Qt::Key_Return);
        QCOMPARE(f.focused(), QStringLiteral("btnApri"));
        QVERIFY(child(f.window(), "panAvvio")->isVisible());
        QTest::keyClick(child(f.window(), "btnApri"), Qt::Key_Return);
        QVERIFY(child(f.window(), "panContainer")->isVisible());
        QCOMPARE(f.label("lblAnno"), QStringLiteral("2024"));
    }

    // "OK", reached by Tab, opens the imminent deadlines with Enter too.
    void enterOnOkOpensTheImminentList()
    {
        ScheduleFixture &f = start([](ScheduleFixture &f) {
            f.writeYear(2024, { ScheduleFixture::deadline(QStringLiteral("28/02/2024"), QStringLiteral("0")) });
        });
        QTest::keyClick(f.box("txtAnno"), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(f.focused(), QStringLiteral("btnOK"));
        QString opened;
        whenModalShown([&opened](QWidget *list) {
            opened = list->objectName();
            click(child(list, "cmdEsci"));
        });
        QTest::keyClick(child(f.window(), "btnOK"), Qt::Key_Return);
        QCOMPARE(opened, QStringLiteral("frmExpImminenti"));
    }

    // The calendar shows in bold the days of its year that hold entries,
    // today apart; turning to another year marks that one, and a save shows
    // at once. Nothing is created for a year without a file.
    void calendarMarksTheDaysWithEntries()
    {
        ScheduleFixture &f = start([](ScheduleFixture &f) {
            f.writeYear(2024, { ScheduleFixture::deadline(QStringLiteral("20/03/2024"), QStringLiteral("5")),
                                  ScheduleFixture::deadline(QStringLiteral("31/04/2024"), QStringLiteral("5")) });
            f.writeYear(2025, { ScheduleFixture::deadline(QStringLiteral("02/01/2025"), QStringLiteral("5")) });
        });
        auto *calendar = child<QCalendarWidget>(f.window(), "calAppuntamenti");
        const auto bold = [calendar](QDate day) { return calendar->dateTextFormat(day).fontWeight() == QFont::Bold; };
        QVERIFY(bold(QDate(2024, 3, 20)));
        QVERIFY(!bold(QDate(2024, 3, 21)));
        QVERIFY(!bold(QDate(2024, 2, 28)));
        QVERIFY(calendar->dateTextFormat(QDate(2024, 2, 28)).hasProperty(QTextFormat::BackgroundBrush));
        QVERIFY(!calendar->dateTextFormat(QDate(2024, 3, 20)).hasProperty(QTextFormat::BackgroundBrush));

        calendar->setCurrentPage(2025, 1);
        QVERIFY(bold(QDate(2025, 1, 2)));
        QVERIFY(!bold(QDate(2024, 3, 20)));
        calendar->setCurrentPage(2026, 1);
        QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("2026.sca"))));
        calendar->setCurrentPage(2024, 2);

        f.openYear(QStringLiteral("2024"));
        f.fillCard();
        click(child(f.window(), "cmdSalva"));
        QVERIFY(bold(QDate(2024, 3, 5)));
    }

private:
    ScheduleFixture &start(std::function<void(ScheduleFixture &)> before = {})
    {
        m_fixture = std::make_unique<ScheduleFixture>(std::move(before));
        return *m_fixture;
    }

    std::unique_ptr<ScheduleFixture> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmScadenzarioStart)
#include "tst_frmscadenzario_start.moc"
