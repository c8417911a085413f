#include "core/ScheduleRules.h"
#include "storage/ProgramFolder.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using Values = std::map<ScheduleRecord::Field, QString>;

namespace {

Record entryOf(const Values &values)
{
    Record entry(ScheduleRecord::layout());
    for (const auto &[field, text] : values)
        entry.setValue(field, text);
    return entry;
}

Record deadline(const QString &date, const QString &notice)
{
    return entryOf({ { ScheduleRecord::Data, date }, { ScheduleRecord::Avviso, notice } });
}

// A card that passes every check, for 5 March of the open year 2025 at 09:30.
Values completeCard()
{
    return { { ScheduleRecord::Giorno, QStringLiteral("05") }, { ScheduleRecord::Mese, QStringLiteral("Marzo") },
        { ScheduleRecord::Anno, QStringLiteral("2025") }, { ScheduleRecord::OreApp, QStringLiteral("09") },
        { ScheduleRecord::MinutiApp, QStringLiteral("30") }, { ScheduleRecord::Avviso, QStringLiteral("3") },
        { ScheduleRecord::Proprietario, QStringLiteral("Anna Bianchi") },
        { ScheduleRecord::Nome, QStringLiteral("Fido") },
        { ScheduleRecord::Dettagli, QStringLiteral("Richiamo vaccino") } };
}

} // namespace

Q_DECLARE_METATYPE(ScheduleRecord::Field)

class tst_ScheduleRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void imminent_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<bool>("imminent");
        const QDate day(2024, 2, 28);
        QTest::newRow("notice 0, due today") << "28/02/2024" << "0" << day << true;
        QTest::newRow("notice 0, due tomorrow") << "29/02/2024" << "0" << day << false;
        QTest::newRow("due yesterday") << "27/02/2024" << "30" << day << false;
        QTest::newRow("notice 10 at 10 days") << "09/03/2024" << "10" << day << true;
        QTest::newRow("notice 9 at 10 days") << "09/03/2024" << "9" << day << false;
        QTest::newRow("leap day, on it") << "29/02/2024" << "0" << QDate(2024, 2, 29) << true;
        QTest::newRow("across the leap day") << "01/03/2024" << "1" << QDate(2024, 2, 29) << true;
        QTest::newRow("notice of 999 days") << "31/12/2024" << "999" << QDate(2024, 1, 1) << true;
    }

    void imminent()
    {
        QFETCH(QString, date);
        QFETCH(QString, notice);
        QFETCH(QDate, day);
        QFETCH(bool, imminent);
        QCOMPARE(ScheduleRules::isImminentOn(deadline(date, notice), day), std::optional<bool>(imminent));
    }

    void unreadableEntriesCannotBeJudged_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("notice");
        QTest::newRow("31 April") << "31/04/2024" << "1";
        QTest::newRow("29 February of a common year") << "29/02/2023" << "1";
        QTest::newRow("empty date") << "" << "1";
        QTest::newRow("two-digit year") << "28/02/24" << "1";
        QTest::newRow("letters in the notice") << "28/02/2024" << "1x";
        QTest::newRow("negative notice") << "28/02/2024" << "-1";
        QTest::newRow("empty notice") << "28/02/2024" << "";
    }

    void unreadableEntriesCannotBeJudged()
    {
        QFETCH(QString, date);
        QFETCH(QString, notice);
        QCOMPARE(ScheduleRules::isImminentOn(deadline(date, notice), QDate(2024, 2, 28)), std::nullopt);
    }

    // An entry that cannot be judged does not hide the ones after it, and a
    // missing year file is created empty.
    void countImminent_skipsUnreadableEntries()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("2024.sca"));
        const QDate day(2024, 2, 28);
        QCOMPARE(ScheduleRules::countImminent(ProgramFolder(folder.path()), day), 0);
        QVERIFY(QFile::exists(path));

        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (const Record &entry : { deadline(QStringLiteral("01/03/2024"), QStringLiteral("5")),
                 deadline(QStringLiteral("31/04/2024"), QStringLiteral("5")),
                 deadline(QStringLiteral("01/06/2024"), QStringLiteral("5")),
                 deadline(QStringLiteral("28/02/2024"), QStringLiteral("0")) })
            file.write(entry.bytes());
        file.write("half a record");
        file.close();
        QCOMPARE(ScheduleRules::countImminent(ProgramFolder(folder.path()), day), 2);
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("2025.sca"))));
    }

    // Deadlines of early January are announced in late December: the next
    // year's file is read too, when there is one.
    void countImminent_acrossTheYearsEnd_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<qint64>("imminent");
        QTest::newRow("28 December, 3 days") << QDate(2024, 12, 28) << QStringLiteral("3") << qint64(0);
        QTest::newRow("28 December, 7 days") << QDate(2024, 12, 28) << QStringLiteral("7") << qint64(1);
        QTest::newRow("31 December, 3 days") << QDate(2024, 12, 31) << QStringLiteral("3") << qint64(1);
        QTest::newRow("31 December, 7 days") << QDate(2024, 12, 31) << QStringLiteral("7") << qint64(1);
    }
    void countImminent_acrossTheYearsEnd()
    {
        QFETCH(QDate, today);
        QFETCH(QString, notice);
        QFETCH(qint64, imminent);
        QTemporaryDir folder;
        const auto writeYear = [&](const QString &name, const QList<Record> &entries) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            for (const Record &entry : entries)
                file.write(entry.bytes());
        };
        writeYear(QStringLiteral("2024.sca"), { deadline(QStringLiteral("01/06/2024"), QStringLiteral("0")) });
        writeYear(QStringLiteral("2025.sca"),
            { deadline(QStringLiteral("02/01/2025"), notice), deadline(QStringLiteral("20/01/2025"), notice) });
        QCOMPARE(ScheduleRules::countImminent(ProgramFolder(folder.path()), today), imminent);
    }

    void countImminent_reportsAFileThatCannotBeOpened()
    {
        QTemporaryDir folder;
        QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("2024.sca"))));
        QVERIFY_THROWS_EXCEPTION(
            RecordFileError, ScheduleRules::countImminent(ProgramFolder(folder.path()), QDate(2024, 1, 1)));
    }

    void chronologicalKey()
    {
        Values card = completeCard();
        card[ScheduleRecord::Data] = QStringLiteral("05/03/2025");
        QString text = QStringLiteral("Note|");
        ScheduleRules::appendChronologicalKey(text, entryOf(card));
        QCOMPARE(text, QStringLiteral("Note|03050930"));
        // A Data cut short by another program gives what it holds of the month.
        card[ScheduleRecord::Data] = QStringLiteral("05/3");
        text.clear();
        ScheduleRules::appendChronologicalKey(text, entryOf(card));
        QCOMPARE(text, QStringLiteral("3050930"));
    }

    // Each row breaks one rule of a card that passes all those before it.
    void checksInOrder_data()
    {
        QTest::addColumn<QList<ScheduleRecord::Field>>("emptied");
        QTest::addColumn<Values>("changed");
        QTest::addColumn<ScheduleRecord::Field>("focus");
        QTest::addColumn<QString>("message");
        using F = QList<ScheduleRecord::Field>;
        const QString start = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
        QTest::newRow("a day") << F { ScheduleRecord::Giorno, ScheduleRecord::Mese, ScheduleRecord::Nome } << Values {}
                               << ScheduleRecord::Giorno << start + QStringLiteral("il giorno della scadenza.");
        QTest::newRow("b one-digit day") << F { ScheduleRecord::Mese } << Values { { ScheduleRecord::Giorno, QStringLiteral("5") } }
                                         << ScheduleRecord::Giorno
                                         << start + QStringLiteral("il giorno della scadenza usando due cifre.");
        QTest::newRow("c month") << F { ScheduleRecord::Mese, ScheduleRecord::OreApp } << Values {} << ScheduleRecord::Mese
                                 << start + QStringLiteral("il mese della scadenza.");
        QTest::newRow("d hour") << F { ScheduleRecord::OreApp, ScheduleRecord::MinutiApp } << Values {}
                                << ScheduleRecord::OreApp << start + QStringLiteral("l'ora dell'appuntamento.");
        QTest::newRow("e minutes before a short hour")
            << F { ScheduleRecord::MinutiApp } << Values { { ScheduleRecord::OreApp, QStringLiteral("9") } }
            << ScheduleRecord::MinutiApp << start + QStringLiteral("i minuti dell'ora dell'appuntamento.");
        QTest::newRow("f one-digit hour") << F {} << Values { { ScheduleRecord::OreApp, QStringLiteral("9") }, { ScheduleRecord::MinutiApp, QStringLiteral("3") } }
                                          << ScheduleRecord::OreApp
                                          << start + QStringLiteral("l'ora dell'appuntamento usando due cifre.");
        QTest::newRow("g one-digit minutes") << F { ScheduleRecord::Avviso } << Values { { ScheduleRecord::MinutiApp, QStringLiteral("3") } }
                                             << ScheduleRecord::MinutiApp
                                             << start + QStringLiteral("i minuti dell'ora dell'appuntamento usando due cifre.");
        QTest::newRow("h notice") << F { ScheduleRecord::Avviso, ScheduleRecord::Proprietario } << Values {}
                                  << ScheduleRecord::Avviso << start + QStringLiteral("i giorni di preavviso.");
        QTest::newRow("i owner") << F { ScheduleRecord::Proprietario, ScheduleRecord::Nome } << Values {}
                                 << ScheduleRecord::Proprietario
                                 << start + QStringLiteral("il nome del proprietario del cane.");
        QTest::newRow("j dog") << F { ScheduleRecord::Nome, ScheduleRecord::Dettagli } << Values {} << ScheduleRecord::Nome
                               << start + QStringLiteral("il nome del cane a cui la scadenza si riferisce.");
        QTest::newRow("k reason") << F { ScheduleRecord::Dettagli } << Values {} << ScheduleRecord::Dettagli
                                  << start + QStringLiteral("la causale della scadenza.");
        QTest::newRow("month not in the table") << F {} << Values { { ScheduleRecord::Mese, QStringLiteral("Marzolino") } }
                                                << ScheduleRecord::Mese
                                                << QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r"
                                                                  "Per poter salvare la scheda è necessario indicare una data valida.");
    }

    void checksInOrder()
    {
        QFETCH(QList<ScheduleRecord::Field>, emptied);
        QFETCH(Values, changed);
        QFETCH(ScheduleRecord::Field, focus);
        QFETCH(QString, message);
        Values card = completeCard();
        for (ScheduleRecord::Field field : emptied)
            card.erase(field);
        for (const auto &[field, text] : changed)
            card[field] = text;
        Record entry = entryOf(card);
        QCOMPARE(ScheduleRules::checkForSave(entry), (ScheduleRules::SaveProblem { focus, message, false }));
        QCOMPARE(entry.value(ScheduleRecord::Data), QString()); // the date is never reached
    }

    void realDate_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("date");
        QTest::addColumn<bool>("exists");
        QTest::newRow("5 March") << "05" << "Marzo" << "2025" << "05/03/2025" << true;
        QTest::newRow("month in small letters") << "05" << "marzo" << "2025" << "05/03/2025" << true;
        QTest::newRow("31 April") << "31" << "Aprile" << "2025" << "31/04/2025" << false;
        QTest::newRow("29 February, leap") << "29" << "Febbraio" << "2024" << "29/02/2024" << true;
        QTest::newRow("29 February, common") << "29" << "Febbraio" << "2025" << "29/02/2025" << false;
        QTest::newRow("day 00") << "00" << "Gennaio" << "2025" << "00/01/2025" << false;
    }

    // The time is set once the first checks pass; the date once the month is
    // known; a date that does not exist gets a plain message naming it.
    void realDate()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, date);
        QFETCH(bool, exists);
        Values card = completeCard();
        card[ScheduleRecord::Giorno] = day;
        card[ScheduleRecord::Mese] = month;
        card[ScheduleRecord::Anno] = year;
        Record entry = entryOf(card);
        const auto problem = ScheduleRules::checkForSave(entry);
        QCOMPARE(entry.value(ScheduleRecord::Ora), QStringLiteral("09:30"));
        QCOMPARE(entry.value(ScheduleRecord::Data), date);
        if (exists) {
            QCOMPARE(problem, std::nullopt);
        } else {
            QCOMPARE(problem,
                (ScheduleRules::SaveProblem { ScheduleRecord::Giorno,
                    QStringLiteral("Attenzione: la data ") + date
                        + QStringLiteral(" non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una "
                                         "data valida."),
                    true }));
        }
    }
};

QTEST_GUILESS_MAIN(tst_ScheduleRules)
#include "tst_schedulerules.moc"
