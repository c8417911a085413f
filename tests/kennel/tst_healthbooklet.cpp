// The health booklets' archive: one dog's entries read back in date order,
// empty slots and refused changes, the checks before an entry is stored, a
// booster, which entries a later one repeats, and every dog's due entries as
// the start-up check and the deadline lists take them.

#include "kennel/DogCards.h"
#include "kennel/HealthBooklet.h"
#include "storage/DogRecord.h"
#include "storage/HealthRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using HealthBooklet::Entry;
using HealthDue::Kind;
using HealthDue::State;

Q_DECLARE_METATYPE(std::optional<HealthBooklet::Problem::Box>)

namespace {

QDate day(const char *text)
{
    return QDate::fromString(QString::fromLatin1(text), QStringLiteral("dd/MM/yyyy"));
}

Entry entry(qint64 dog, const char *date, Kind kind, const QString &what, const char *due = "", int notice = 7)
{
    Entry entry;
    entry.dog = dog;
    entry.date = day(date);
    entry.kind = kind;
    entry.what = what;
    entry.due = day(due);
    entry.noticeDays = notice;
    return entry;
}

QStringList whats(const QList<Entry> &entries)
{
    QStringList whats;
    for (const Entry &entry : entries)
        whats.append(QString::number(entry.dog) + u' ' + entry.what);
    return whats;
}

} // namespace

class tst_HealthBooklet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); m_path = m_dir.filePath(HealthRecord::fileName()); QFile::remove(m_path); }

    // Each field where the layout puts it, and one dog's entries back in date order.
    void storedAndReadBack()
    {
        Entry full = entry(7, "14/03/2026", Kind::Vaccinazione, QString::fromUtf8("tosse dei canili"), "14/03/2027", 10);
        full.batch = QStringLiteral("L-42");
        full.veterinarian = QString::fromUtf8("Dott. Bianchi");
        full.result = QStringLiteral("ok");
        full.note = QString::fromUtf8("Reazione lieve, è passata");
        QCOMPARE(HealthBooklet::add(m_path, full), 1);
        QCOMPARE(HealthBooklet::add(m_path, entry(12, "01/01/2026", Kind::Visita, {})), 2);
        QCOMPARE(HealthBooklet::add(m_path, entry(7, "01/02/2026", Kind::Sverminazione, QStringLiteral("Drontal"))), 3);

        QFile file(m_path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 3 * HealthRecord::recordSize);
        QCOMPARE(bytes.mid(0, 2), QByteArray("\x01" "7"));
        QCOMPARE(bytes.mid(11, 11), QByteArray("\x0a" "14/03/2026"));
        QCOMPARE(bytes.mid(22, 13), QByteArray("\x0c" "Vaccinazione"));
        QCOMPARE(bytes.mid(203 + 1 + 16, 1), QByteArray("\xe8")); // è in Windows-1252
        QCOMPARE(bytes.mid(304, 11), QByteArray("\x0a" "14/03/2027"));
        QCOMPARE(bytes.mid(315, 3), QByteArray("\x02" "10"));

        const HealthBooklet::Booklet booklet = HealthBooklet::read(m_path, 7);
        QCOMPARE(whats(booklet.entries), QStringList({ u"7 Drontal"_s, u"7 tosse dei canili"_s }));
        const Entry &read = booklet.entries.at(1);
        QCOMPARE(read.position, 1);
        QCOMPARE(read.batch, full.batch);
        QCOMPARE(read.veterinarian, full.veterinarian);
        QCOMPARE(read.note, full.note);
        QCOMPARE(read.due, full.due);
        QCOMPARE(read.noticeDays, 10);
        QCOMPARE(booklet.unreadable, 0);
    }

    // A deleted entry leaves its slot to the next; a change another copy made
    // first is refused; a record of the dog that cannot be read is counted,
    // one that names no dog is left alone.
    void slotsChangesAndDamage()
    {
        HealthBooklet::add(m_path, entry(1, "01/01/2026", Kind::Visita, QStringLiteral("a")));
        HealthBooklet::add(m_path, entry(1, "02/01/2026", Kind::Visita, QStringLiteral("b")));
        const Entry first = HealthBooklet::read(m_path, 1).entries.at(0);
        QVERIFY(HealthBooklet::remove(m_path, first));
        QVERIFY(!HealthBooklet::remove(m_path, first));
        QCOMPARE(HealthBooklet::read(m_path, 1).emptySlots, QList<qint64>({ 1 }));
        QCOMPARE(HealthBooklet::add(m_path, entry(2, "03/01/2026", Kind::Visita, QStringLiteral("c"))), 1);
        QVERIFY(!HealthBooklet::replace(m_path, first, entry(1, "01/01/2026", Kind::Visita, QStringLiteral("x"))));
        QCOMPARE(whats(HealthBooklet::read(m_path, 2).entries), QStringList({ u"2 c"_s }));

        QFile file(m_path);
        QVERIFY(file.open(QIODevice::Append));
        QByteArray damaged(HealthRecord::recordSize, '\0');
        damaged.replace(0, 2, "\x01" "1");
        damaged.replace(11, 11, "\x0a" "31/02/2026"); // no such day
        QByteArray foreign(HealthRecord::recordSize, '\x7f');
        file.write(damaged + foreign);
        file.close();
        const HealthBooklet::Booklet booklet = HealthBooklet::read(m_path, 1);
        QCOMPARE(booklet.unreadable, 1);
        QCOMPARE(whats(booklet.entries), QStringList({ u"1 b"_s }));
    }

    void checks_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("due");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<std::optional<HealthBooklet::Problem::Box>>("box");
        QTest::addColumn<QString>("message");
        using Box = HealthBooklet::Problem::Box;
        QTest::newRow("sound") << "14/03/2026" << "14/03/2027" << "7" << std::optional<Box>() << "";
        QTest::newRow("not to repeat") << "14/03/2026" << "  " << "0" << std::optional<Box>() << "";
        QTest::newRow("due the same day") << "14/03/2026" << "14/03/2026" << "365" << std::optional<Box>() << "";
        QTest::newRow("no such date") << "29/02/2026" << "" << "7" << std::optional(Box::Date)
                                      << "Attenzione: la data indicata non esiste. Indicare la data del trattamento "
                                         "nella forma gg/mm/aaaa (per esempio 05/03/2024).";
        QTest::newRow("no such due date") << "14/03/2026" << "31/04/2027" << "7" << std::optional(Box::Due)
                                          << "Attenzione: la data della prossima scadenza non esiste. Indicarla nella "
                                             "forma gg/mm/aaaa (per esempio 05/03/2025), o lasciarla vuota se il "
                                             "trattamento non va ripetuto.";
        QTest::newRow("due before the date") << "14/03/2026" << "13/03/2026" << "7" << std::optional(Box::Due)
                                             << "Attenzione: la prossima scadenza (13/03/2026) precede la data del "
                                                "trattamento (14/03/2026). Indicare una scadenza dal 14/03/2026 in poi.";
        const QString noticeMessage = QStringLiteral(
            "Attenzione: il preavviso va indicato in giorni, con un numero intero da 0 a 365.");
        QTest::newRow("notice too long") << "14/03/2026" << "" << "366" << std::optional(Box::Notice) << noticeMessage;
        QTest::newRow("notice no number") << "14/03/2026" << "" << "7,5" << std::optional(Box::Notice) << noticeMessage;
        QTest::newRow("notice blank") << "14/03/2026" << "" << "" << std::optional(Box::Notice) << noticeMessage;
    }

    void checks()
    {
        QFETCH(QString, date);
        QFETCH(QString, due);
        QFETCH(QString, notice);
        QFETCH(std::optional<HealthBooklet::Problem::Box>, box);
        QFETCH(QString, message);
        const std::optional<HealthBooklet::Problem> problem = HealthBooklet::check(date, due, notice);
        QCOMPARE(problem.has_value(), box.has_value());
        if (problem) {
            QCOMPARE(problem->box, *box);
            QCOMPARE(problem->message, message);
        }
    }

    // A booster keeps the series and takes the interval for the dog's age on the day.
    void booster()
    {
        Entry given = entry(3, "01/02/2026", Kind::Vaccinazione, QStringLiteral("parvovirosi"), "22/02/2026", 5);
        given.veterinarian = QStringLiteral("Rossi");
        given.batch = QStringLiteral("B1");
        const Entry puppyDose = HealthBooklet::booster(given, day("22/02/2026"), day("01/01/2026"));
        QCOMPARE(puppyDose.date, day("22/02/2026"));
        QCOMPARE(puppyDose.due, day("15/03/2026"));
        QCOMPARE(puppyDose.what, given.what);
        QCOMPARE(puppyDose.veterinarian, given.veterinarian);
        QCOMPARE(puppyDose.noticeDays, 5);
        QVERIFY(puppyDose.batch.isEmpty());
        QCOMPARE(HealthBooklet::booster(given, day("29/02/2028"), QDate()).due, day("28/02/2029"));
    }

    // Only the latest entry of a series can be due.
    void repeatedSeries()
    {
        HealthBooklet::add(m_path, entry(4, "01/03/2025", Kind::Vaccinazione, QStringLiteral("Rabbia"), "01/03/2026"));
        HealthBooklet::add(m_path, entry(4, "02/03/2026", Kind::Vaccinazione, QStringLiteral("rabbia"), "02/03/2027"));
        HealthBooklet::add(m_path, entry(4, "01/03/2025", Kind::Vaccinazione, QStringLiteral("cimurro"), "01/03/2026"));
        HealthBooklet::add(m_path, entry(4, "10/03/2026", Kind::EsameTest, QStringLiteral("rabbia"), "10/03/2026"));
        const QList<Entry> entries = HealthBooklet::read(m_path, 4).entries;
        const QDate today = day("05/03/2026");
        QList<State> states;
        for (const Entry &entry : entries)
            states.append(HealthBooklet::state(entry, entries, today));
        QCOMPARE(states, QList<State>({ State::None, State::Overdue, State::Ok, State::DueSoon }));
    }

    // Every dog's due entries: overdue and within notice, not repeated, by due date.
    void dueAcrossDogs()
    {
        QVERIFY(HealthBooklet::toAnnounce(m_path, day("05/03/2026")).isEmpty());
        QVERIFY2(!QFileInfo::exists(m_path), "reading the due dates creates no archive");

        HealthBooklet::add(m_path, entry(1, "01/03/2025", Kind::Vaccinazione, QStringLiteral("rabbia"), "01/03/2026"));
        HealthBooklet::add(m_path, entry(2, "01/03/2025", Kind::Vaccinazione, QStringLiteral("rabbia"), "01/03/2026"));
        HealthBooklet::add(m_path, entry(2, "03/03/2026", Kind::Vaccinazione, QStringLiteral("RABBIA"), "03/03/2027"));
        HealthBooklet::add(m_path, entry(3, "20/02/2026", Kind::Sverminazione, QStringLiteral("a"), "12/03/2026", 7));
        HealthBooklet::add(m_path, entry(3, "20/02/2026", Kind::Sverminazione, QStringLiteral("b"), "13/03/2026", 7));
        HealthBooklet::add(m_path, entry(5, "20/02/2026", Kind::Visita, QStringLiteral("c"), "05/03/2026", 0));
        HealthBooklet::add(m_path, entry(6, "20/02/2026", Kind::Terapia, QStringLiteral("d")));

        QCOMPARE(whats(HealthBooklet::toAnnounce(m_path, day("05/03/2026"))),
                 QStringList({ u"1 rabbia"_s, u"5 c"_s, u"3 a"_s }));
        QCOMPARE(whats(HealthBooklet::dueBetween(m_path, day("01/03/2026"), day("31/03/2026"))),
                 QStringList({ u"1 rabbia"_s, u"5 c"_s, u"3 a"_s, u"3 b"_s }));
        QCOMPARE(whats(HealthBooklet::dueBetween(m_path, day("01/01/2027"), day("31/12/2027"))),
                 QStringList({ u"2 RABBIA"_s }));
    }

    // Which entry of a dog's series is the latest, wherever the archive holds
    // it: by date, then by place in the archive; the vaccine's name compared
    // whole, letter case aside. Each entry "date|what|due", in archive order.
    void dueAcrossDogs_latestOfEachSeries_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("announced");
        QTest::newRow("dose stored after the booster that repeats it")
            << QStringList { u"01/03/2026|Rabbia|06/03/2026"_s, u"01/03/2025|rabbia|01/03/2026"_s }
            << QStringList { u"1 Rabbia"_s };
        QTest::newRow("booster not due yet, stored first")
            << QStringList { u"02/03/2026|rabbia|02/03/2027"_s, u"01/03/2025|rabbia|01/03/2026"_s } << QStringList {};
        QTest::newRow("same date: the one stored later")
            << QStringList { u"01/03/2026|Rabbia|04/03/2026"_s, u"01/03/2026|rabbia|06/03/2026"_s }
            << QStringList { u"1 rabbia"_s };
        QTest::newRow("accented capital")
            << QStringList { QString::fromUtf8("01/03/2025|ÈPATITE|01/03/2026"), QString::fromUtf8("02/03/2026|èpatite|02/03/2027") }
            << QStringList {};
        QTest::newRow("names that differ after eight letters")
            << QStringList { u"01/03/2025|Parvovirosi canina|01/03/2026"_s, u"02/03/2026|parvovirosi felina|02/03/2027"_s }
            << QStringList { u"1 Parvovirosi canina"_s };
    }
    void dueAcrossDogs_latestOfEachSeries()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, announced);
        for (const QString &text : stored) {
            const QStringList parts = text.split(u'|');
            HealthBooklet::add(m_path, entry(1, qPrintable(parts[0]), Kind::Vaccinazione, parts[1], qPrintable(parts[2])));
        }
        QCOMPARE(whats(HealthBooklet::toAnnounce(m_path, day("05/03/2026"))), announced);
    }

    void announcements_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("line");
        QTest::newRow("booster") << Kind::Vaccinazione << "rabbia" << QString::fromUtf8("Richiamo rabbia — Rex, 14/03/2026");
        QTest::newRow("vaccine unnamed") << Kind::Vaccinazione << u""_s << QString::fromUtf8("Richiamo vaccinazione — Rex, 14/03/2026");
        QTest::newRow("worming") << Kind::Sverminazione << "Drontal" << QString::fromUtf8("Sverminazione Drontal — Rex, 14/03/2026");
        QTest::newRow("visit") << Kind::Visita << u""_s << QString::fromUtf8("Visita — Rex, 14/03/2026");
    }

    void announcements()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, what);
        QFETCH(QString, line);
        QCOMPARE(HealthBooklet::announcement(entry(1, "14/03/2025", kind, what, "14/03/2026"), QStringLiteral("Rex")),
                 line);
    }

    // The dogs a due entry names: read where they lie, none beyond the archive.
    void dogNames()
    {
        const QString archive = m_dir.filePath(DogRecord::fileName);
        QVERIFY(DogCards::names(archive, { 1 }).isEmpty());
        RecordFile file;
        file.openOrCreate(archive, DogRecord::recordSize);
        for (const QString &name : { u"Rex "_s, u"Fido"_s }) {
            Record dog(DogRecord::layout());
            dog.setValue(DogRecord::Nome, name);
            file.writeNext(dog);
        }
        file.closeFile();
        const QHash<qint64, QString> names = DogCards::names(archive, { 2, 1, 3, 0, 2 });
        QCOMPARE(names, (QHash<qint64, QString> { { 1, u"Rex"_s }, { 2, u"Fido"_s } }));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

QTEST_GUILESS_MAIN(tst_HealthBooklet)
#include "tst_healthbooklet.moc"
