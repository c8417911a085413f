// The schedule's calendar export, from its picture button in the card view.
#include "tst_frmscadenzario_fixture.h"

#include "storage/ProgramFolder.h"
#include "ui/PictureButton.h"

#include <QDir>

class tst_FrmScadenzarioCalendar : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ScheduleFixture> m_fixture;

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<ScheduleFixture>([](ScheduleFixture &f) {
            EntryValues readable = { { ScheduleRecord::Data, QStringLiteral("05/03/2025") },
                { ScheduleRecord::Ora, QStringLiteral("09:30") }, { ScheduleRecord::Avviso, QStringLiteral("3") },
                { ScheduleRecord::Dettagli, QStringLiteral("Vaccino") } };
            EntryValues unreadable = readable;
            unreadable[ScheduleRecord::Ora] = QStringLiteral("9.30");
            f.writeYear(2025, { ScheduleFixture::entry(readable), ScheduleFixture::entry(unreadable) });
        });
        m_fixture->openYear(QStringLiteral("2025"));
    }
    void cleanup() { m_fixture.reset(); }

    // The button sits under the column of commands, which keeps its places,
    // and tells what it does in the status line and to assistive tools.
    void button_standsUnderTheCommands()
    {
        ScheduleFixture &f = *m_fixture;
        auto *calendar = child<PictureButton>(f.window(), "cmdCalendario");
        QWidget *exit = child(f.window(), "cmdEsci");
        QCOMPARE(exit->geometry(), QRect(22, 12 + 11 * 38, 148, 32));
        QCOMPARE(calendar->geometry(), QRect(22, 12 + 12 * 38, 148, 32));
        QCOMPARE(calendar->accessibleName(), QStringLiteral("Calendario"));
        QEnterEvent enter({}, {}, {});
        QApplication::sendEvent(calendar, &enter);
        QCOMPARE(f.label("panInfo"),
            QStringLiteral("Esporta le scadenze dell'anno in un calendario per il telefono o il computer."));
        QVERIFY(!calendar->geometry().intersects(child(f.window(), "imgColonna")->geometry()));
    }

    void export_writesTheOpenYearAndCountsWhatItLeftOut()
    {
        ScheduleFixture &f = *m_fixture;
        const QString ics = f.path(QStringLiteral("Scadenze_2025.ics"));
        f.doubles.fileDialogs.answers.enqueue(ics);
        click(child(f.window(), "cmdCalendario"));

        const ScriptedFileDialogs::Asked asked = f.doubles.fileDialogs.asked.value(0);
        QCOMPARE(asked.save.title, QStringLiteral("Esporta calendario"));
        QCOMPARE(asked.save.filter, QStringLiteral("Calendario iCalendar (*.ics)"));
        QCOMPARE(asked.save.proposedName, QStringLiteral("Scadenze_2025.ics"));
        QCOMPARE(asked.save.defaultSuffix, QStringLiteral("ics"));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Information,
                QString::fromUtf8("Il calendario è stato esportato con 1 scadenza.\n\r\n\r1 scheda non è stata "
                                  "esportata perché la sua data o la sua ora non sono leggibili.") }));
        QFile file(ics);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("UID:2025.sca-1@zampora"));
        QVERIFY(text.contains("DTSTART;TZID=Europe/Rome:20250305T093000"));
        QVERIFY(!text.contains("2025.sca-2@zampora"));
    }

    void export_cancelled_writesNothing()
    {
        ScheduleFixture &f = *m_fixture;
        click(child(f.window(), "cmdCalendario"));
        QCOMPARE(f.doubles.fileDialogs.asked.size(), 1);
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(QDir(f.path(QString())).entryList({ QStringLiteral("*.ics") }), QStringList());
    }

    void export_thatCannotWrite_saysSo()
    {
        ScheduleFixture &f = *m_fixture;
        const QString ics = f.path(QStringLiteral("manca/Scadenze_2025.ics"));
        f.doubles.fileDialogs.answers.enqueue(ics);
        click(child(f.window(), "cmdCalendario"));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Error,
                QString::fromUtf8("Attenzione: non è stato possibile scrivere il file %1.").arg(QDir::toNativeSeparators(ics)) }));
    }

    void export_ontoTheYearFile_isRefusedAndLeavesItWhole()
    {
        ScheduleFixture &f = *m_fixture;
        const QString year = f.path(QStringLiteral("2025.sca"));
        const QByteArray before = f.readFile(QStringLiteral("2025.sca"));
        f.doubles.fileDialogs.answers.enqueue(year);
        click(child(f.window(), "cmdCalendario"));
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Error, keptFileMessage(year) }));
        QCOMPARE(f.readFile(QStringLiteral("2025.sca")), before);
    }
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmScadenzarioCalendar)
#include "tst_frmscadenzario_calendar.moc"
