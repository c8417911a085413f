// The weight log: weights typed in kilograms, the change and the daily gain
// between weighings, the checks before a weighing is stored, and the weight
// file as the log reads and writes it.

#include "kennel/WeightLog.h"
#include "storage/RecordFile.h"
#include "storage/WeightRecord.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using WeightLog::Weighing;

constexpr int R = WeightRecord::recordSize;

Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(std::optional<WeightLog::Problem::Box>)

namespace {

QByteArray shortText(const QByteArray &text, int capacity)
{
    return char(text.size()) + text + QByteArray(capacity - text.size(), '\0');
}

QByteArray weightRecord(const QByteArray &date, const QByteArray &weight, const QByteArray &note = {})
{
    return shortText(date, 10) + shortText(weight, 10) + shortText(note, 100);
}

Weighing weighing(QDate date, int grams, qint64 position = 0)
{
    return Weighing { date, grams, QString(), position };
}

} // namespace

class tst_WeightLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedWeights_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<int>>("grams");
        QTest::addColumn<QString>("stored");
        const std::optional<int> refused;
        QTest::newRow("two decimals") << "12,35" << std::optional(12350) << "12,35";
        QTest::newRow("whole") << "12" << std::optional(12000) << "12,00";
        QTest::newRow("three decimals") << "12,345" << std::optional(12345) << "12,345";
        QTest::newRow("trailing comma") << "7," << std::optional(7000) << "7,00";
        QTest::newRow("no whole part") << ",75" << std::optional(750) << "0,75";
        QTest::newRow("blanks around") << "  3,5 " << std::optional(3500) << "3,50";
        QTest::newRow("smallest") << "0,001" << std::optional(1) << "0,001";
        QTest::newRow("150 kg") << "150" << std::optional(150000) << "150,00";
        QTest::newRow("over 150 kg") << "150,001" << refused << "";
        QTest::newRow("far over") << "99999999999" << refused << "";
        QTest::newRow("zero") << "0,000" << refused << "";
        QTest::newRow("four decimals") << "12,3456" << refused << "";
        QTest::newRow("point") << "12.35" << refused << "";
        QTest::newRow("negative") << "-2" << refused << "";
        QTest::newRow("two commas") << "1,2,3" << refused << "";
        QTest::newRow("comma alone") << "," << refused << "";
        QTest::newRow("blank") << "  " << refused << "";
        QTest::newRow("unit typed") << "12 kg" << refused << "";
    }

    void typedWeights()
    {
        QFETCH(QString, typed);
        QFETCH(std::optional<int>, grams);
        QFETCH(QString, stored);
        QCOMPARE(WeightLog::parseGrams(typed), grams);
        if (grams)
            QCOMPARE(WeightLog::kilograms(*grams), stored);
    }

    // A column of weights keeps one number of decimals: three as soon as
    // one weight has grams beyond the tens.
    void aColumnKeepsOneNumberOfDecimals()
    {
        const QDate day(2024, 3, 1);
        QCOMPARE(WeightLog::placesFor({ weighing(day, 12350), weighing(day, 12000) }), 2);
        QCOMPARE(WeightLog::placesFor({ weighing(day, 12350), weighing(day, 1695) }), 3);
        QCOMPARE(WeightLog::placesFor({}), 2);
        QCOMPARE(WeightLog::kilograms(12350, 3), QStringLiteral("12,350"));
        QCOMPARE(WeightLog::change(-250, 3), QStringLiteral("-0,250"));
        QCOMPARE(WeightLog::change(0, 3), QStringLiteral("0,000"));
    }

    // Between two weighings: the change in kilograms and the average gain
    // per day, which needs two different dates.
    void betweenTwoWeighings_data()
    {
        QTest::addColumn<QDate>("earlierDate");
        QTest::addColumn<int>("earlierGrams");
        QTest::addColumn<QDate>("laterDate");
        QTest::addColumn<int>("laterGrams");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("gain"); // empty: no gain
        const QDate day(2024, 3, 1);
        QTest::newRow("a week, 700 g gained") << day << 2300 << day.addDays(7) << 3000 << "+0,70" << "+100";
        QTest::newRow("same date") << day << 2300 << day << 2400 << "+0,10" << "";
        QTest::newRow("a loss") << day << 30250 << day.addDays(10) << 30000 << "-0,25" << "-25";
        QTest::newRow("a third of a gram") << day << 1000 << day.addDays(3) << 1250 << "+0,25" << "+83,3";
        QTest::newRow("no change") << day << 5000 << day.addDays(2) << 5000 << "0,00" << "0";
        QTest::newRow("across a leap day") << QDate(2024, 2, 28) << 1000 << QDate(2024, 3, 1) << 1090 << "+0,09"
                                           << "+45";
        QTest::newRow("grams only") << day << 1000 << day.addDays(1) << 1001 << "+0,001" << "+1";
    }

    void betweenTwoWeighings()
    {
        QFETCH(QDate, earlierDate);
        QFETCH(int, earlierGrams);
        QFETCH(QDate, laterDate);
        QFETCH(int, laterGrams);
        QFETCH(QString, change);
        QFETCH(QString, gain);
        const Weighing earlier = weighing(earlierDate, earlierGrams);
        const Weighing later = weighing(laterDate, laterGrams);
        QCOMPARE(WeightLog::change(laterGrams - earlierGrams), change);
        const std::optional<double> perDay = WeightLog::gainPerDay(earlier, later);
        QCOMPARE(perDay.has_value(), !gain.isEmpty());
        if (perDay)
            QCOMPARE(WeightLog::gainText(*perDay), gain);
        QVERIFY(!WeightLog::gainPerDay(later, earlier)); // never backwards in time
    }

    void youngUntilTheFirstBirthday_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<bool>("young");
        const QDate birth(2023, 5, 10);
        QTest::newRow("a puppy") << birth << QDate(2023, 7, 1) << true;
        QTest::newRow("the day before") << birth << QDate(2024, 5, 9) << true;
        QTest::newRow("first birthday") << birth << QDate(2024, 5, 10) << false;
        QTest::newRow("born 29 February") << QDate(2024, 2, 29) << QDate(2025, 2, 28) << false;
        QTest::newRow("birth unknown") << QDate() << QDate(2030, 1, 1) << true;
    }

    void youngUntilTheFirstBirthday()
    {
        QFETCH(QDate, birth);
        QFETCH(QDate, day);
        QFETCH(bool, young);
        QCOMPARE(WeightLog::isYoung(birth, day), young);
    }

    // The checks in their order: the date, the weight, a date taken by
    // another weighing (the one being modified may keep its own).
    void checksBeforeStoring_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<qint64>("edited");
        QTest::addColumn<std::optional<WeightLog::Problem::Box>>("box");
        QTest::addColumn<QString>("message");
        using Box = WeightLog::Problem::Box;
        const QString noDate = QString::fromUtf8("Attenzione: la data indicata non esiste. Indicare la data della "
                                                 "pesata nella forma gg/mm/aaaa (per esempio 05/03/2024).");
        const QString noWeight = QString::fromUtf8(
            "Attenzione: il peso va indicato in chilogrammi, con un numero maggiore di 0 e non superiore a 150 "
            "e al massimo tre decimali dopo la virgola (per esempio 12,35).");
        const QString takenText
            = QString::fromUtf8("Attenzione: il registro contiene già una pesata in data %1. "
                                "Per correggerla selezionarla nell'elenco e premere Modifica.");
        const QString taken = takenText.arg(QStringLiteral("08/03/2024"));
        const std::optional<Box> none;
        const QString beforeBirth = QString::fromUtf8("Attenzione: la data della pesata (09/01/2024) precede la data di "
                                                      "nascita del cane (10/01/2024). Indicare una data dal "
                                                      "10/01/2024 in poi.");
        QTest::newRow("a new date") << "15/03/2024" << "4,1" << qint64(0) << none << "";
        QTest::newRow("the day of birth") << "10/01/2024" << "0,4" << qint64(0) << none << "";
        QTest::newRow("before birth") << "09/01/2024" << "x" << qint64(0) << std::optional(Box::Date) << beforeBirth;
        QTest::newRow("31 February") << "31/02/2024" << "4,1" << qint64(0) << std::optional(Box::Date) << noDate;
        QTest::newRow("short date") << "1/3/2024" << "4,1" << qint64(0) << std::optional(Box::Date) << noDate;
        QTest::newRow("blank date") << "" << "" << qint64(0) << std::optional(Box::Date) << noDate;
        QTest::newRow("date first") << "32/01/2024" << "x" << qint64(0) << std::optional(Box::Date) << noDate;
        QTest::newRow("weight") << "15/03/2024" << "151" << qint64(0) << std::optional(Box::Weight) << noWeight;
        QTest::newRow("blank weight") << "15/03/2024" << "" << qint64(0) << std::optional(Box::Weight) << noWeight;
        QTest::newRow("same date twice") << "08/03/2024" << "4,1" << qint64(0) << std::optional(Box::Date) << taken;
        QTest::newRow("another's date") << "08/03/2024" << "4,1" << qint64(1) << std::optional(Box::Date) << taken;
        QTest::newRow("its own date") << "08/03/2024" << "4,1" << qint64(2) << none << "";
        // Positions 2 and 3 share a date, as only a file written elsewhere has them.
        QTest::newRow("its own date, which a twin has") << "08/03/2024"
                                                        << "4,1" << qint64(3) << none << "";
        QTest::newRow("a twin moves to a new date") << "09/03/2024"
                                                    << "4,1" << qint64(3) << none << "";
        QTest::newRow("a twin moves to another's date")
            << "01/03/2024"
            << "4,1" << qint64(3) << std::optional(Box::Date) << takenText.arg(QStringLiteral("01/03/2024"));
    }

    void checksBeforeStoring()
    {
        QFETCH(QString, date);
        QFETCH(QString, weight);
        QFETCH(qint64, edited);
        QFETCH(std::optional<WeightLog::Problem::Box>, box);
        QFETCH(QString, message);
        const QList<Weighing> log = { weighing(QDate(2024, 3, 1), 3000, 1),
            weighing(QDate(2024, 3, 8), 3700, 2), weighing(QDate(2024, 3, 8), 3800, 3) };
        const std::optional<WeightLog::Problem> problem
            = WeightLog::check(date, weight, log, edited, QDate(2024, 1, 10));
        QCOMPARE(problem.has_value(), box.has_value());
        if (problem) {
            QCOMPARE(problem->box, *box);
            QCOMPARE(problem->message, message);
        }
    }

    // A weighing after today, or whose weight differs by more than half from
    // the weighing before it, is asked about; "half" is exclusive, the
    // weighing being corrected is not its own previous one.
    void doubtsBeforeStoring_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("grams");
        QTest::addColumn<qint64>("edited");
        QTest::addColumn<QStringList>("questions");
        const QString future = QString::fromUtf8("La data della pesata (%1) è successiva a quella di oggi "
                                                 "(20/03/2024).\r\n\r\nRegistrare comunque la pesata con questa data?");
        const QString jump = QString::fromUtf8("Il peso indicato, %1 kg, differisce di più della metà da quello della "
                                               "pesata precedente, %2.\r\n\r\nRegistrare comunque la pesata con "
                                               "questo peso?");
        const QString after8March = jump.arg(u"%1", u"3,70 kg il 08/03/2024");
        QTest::newRow("likely") << QDate(2024, 3, 15) << 4100 << qint64(0) << QStringList();
        QTest::newRow("today") << QDate(2024, 3, 20) << 4100 << qint64(0) << QStringList();
        QTest::newRow("tomorrow") << QDate(2024, 3, 21) << 4100 << qint64(0)
                                  << QStringList { future.arg(u"21/03/2024") };
        QTest::newRow("up by half exactly") << QDate(2024, 3, 15) << 5550 << qint64(0) << QStringList();
        QTest::newRow("up by more than half") << QDate(2024, 3, 15) << 5560 << qint64(0)
                                              << QStringList { after8March.arg(u"5,56") };
        QTest::newRow("down by more than half") << QDate(2024, 3, 15) << 1800 << qint64(0)
                                                << QStringList { after8March.arg(u"1,80") };
        QTest::newRow("nothing before it") << QDate(2024, 2, 28) << 100 << qint64(0) << QStringList();
        QTest::newRow("a correction") << QDate(2024, 3, 8) << 9000 << qint64(2)
                                      << QStringList { jump.arg(u"9,00", u"3,00 kg il 01/03/2024") };
        QTest::newRow("both") << QDate(2025, 1, 1) << 9000 << qint64(0)
                              << QStringList { future.arg(u"01/01/2025"), after8March.arg(u"9,00") };
    }

    void doubtsBeforeStoring()
    {
        QFETCH(QDate, date);
        QFETCH(int, grams);
        QFETCH(qint64, edited);
        QFETCH(QStringList, questions);
        const QList<Weighing> log = { weighing(QDate(2024, 3, 1), 3000, 1), weighing(QDate(2024, 3, 8), 3700, 2) };
        QStringList asked;
        for (const WeightLog::Problem &doubt : WeightLog::doubts(weighing(date, grams, edited), log, QDate(2024, 3, 20)))
            asked.append(doubt.message);
        QCOMPARE(asked, questions);
    }

    // The file: records as stored, read back in date order whatever their
    // order on disk; a deletion empties a record in place and the next new
    // weighing takes that slot.
    void theWeightFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(WeightRecord::fileNameForDog(3));
        QVERIFY(WeightLog::read(path).weighings.isEmpty());
        QCOMPARE(QFileInfo(path).size(), 0);

        QCOMPARE(WeightLog::add(path, { QDate(2024, 3, 8), 3700, QStringLiteral("dopo la pappa"), 0 }), 1);
        QCOMPARE(WeightLog::add(path, weighing(QDate(2024, 3, 1), 3000)), 2);
        QCOMPARE(WeightLog::add(path, weighing(QDate(2024, 3, 15), 4350)), 3);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        QCOMPARE(bytes.size(), 3 * WeightRecord::recordSize);
        QCOMPARE(bytes.first(WeightRecord::recordSize), weightRecord("08/03/2024", "3,70", "dopo la pappa"));

        WeightLog::Log log = WeightLog::read(path);
        QCOMPARE(log.weighings.size(), 3);
        QCOMPARE(log.weighings[0].date, QDate(2024, 3, 1));
        QCOMPARE(log.weighings[0].position, 2);
        QCOMPARE(log.weighings[1].note, QStringLiteral("dopo la pappa"));
        QCOMPARE(log.weighings[2].grams, 4350);

        QVERIFY(WeightLog::replace(path, log.weighings[1], weighing(QDate(2024, 3, 9), 3750)));
        QVERIFY(WeightLog::remove(path, log.weighings[0]));
        log = WeightLog::read(path);
        QCOMPARE(log.weighings.size(), 2);
        QCOMPARE(log.weighings[0].date, QDate(2024, 3, 9));
        QCOMPARE(log.weighings[0].position, 1);
        QCOMPARE(log.emptySlots, QList<qint64> { 2 });
        QCOMPARE(WeightLog::add(path, weighing(QDate(2024, 3, 22), 5000)), 2);
        QCOMPARE(QFileInfo(path).size(), 3 * WeightRecord::recordSize);
        QVERIFY(WeightLog::read(path).emptySlots.isEmpty());
    }

    // A file written elsewhere: records that are no weighing are left out and
    // counted, a trailing fragment is no record, a date twice keeps both.
    void aForeignFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(WeightRecord::fileNameForDog(1));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(weightRecord("05/03/2024", "4,1") + weightRecord("30/02/2024", "4,2")
                   + weightRecord("06/03/2024", "4.3") + weightRecord("05/03/2024", "4,4") + weightRecord("", "")
                   + QByteArray("\x0A" "07/03", 6));
        file.close();
        const WeightLog::Log log = WeightLog::read(path);
        QCOMPARE(log.unreadable, 2);
        QCOMPARE(log.emptySlots, QList<qint64> { 5 });
        QCOMPARE(log.weighings.size(), 2);
        QCOMPARE(log.weighings[0].grams, 4100);
        QCOMPARE(log.weighings[1].grams, 4400);
    }

    void anUnreachableFileThrows()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(WeightRecord::fileNameForDog(1));
        QVERIFY(QDir().mkdir(path));
        QVERIFY_THROWS_EXCEPTION(RecordFileError, WeightLog::read(path));
        QVERIFY_THROWS_EXCEPTION(RecordFileError, WeightLog::add(path, weighing(QDate(2024, 1, 1), 1000)));
    }

    // What another copy of the program may have done to the weighing at
    // position 2 since the log was read. Only an untouched record is written;
    // otherwise the file stays as the other copy left it.
    void aWeighingChangedElsewhereIsNeverWritten_data()
    {
        QTest::addColumn<QByteArray>("now"); // the file as the other copy left it
        QTest::addColumn<bool>("written");
        const QByteArray first = weightRecord("01/03/2024", "3,00");
        const QByteArray third = weightRecord("15/03/2024", "4,35");
        const QByteArray shown = weightRecord("08/03/2024", "3,70", "dopo la pappa");
        QTest::newRow("untouched") << first + shown + third << true;
        QTest::newRow("deleted") << first + weightRecord("", "") + third << false;
        QTest::newRow("deleted, its slot taken")
            << first + weightRecord("22/03/2024", "5,00") + third << false;
        QTest::newRow("weight changed")
            << first + weightRecord("08/03/2024", "3,75", "dopo la pappa") + third << false;
        QTest::newRow("note changed")
            << first + weightRecord("08/03/2024", "3,70", "dopo la passeggiata") + third << false;
        QTest::newRow("file cut short") << first << false;
    }

    void aWeighingChangedElsewhereIsNeverWritten()
    {
        QFETCH(QByteArray, now);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString path = dir.filePath(WeightRecord::fileNameForDog(1));
        const auto writeFile = [&](const QByteArray &bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
        };
        const auto fileBytes = [&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        writeFile(weightRecord("01/03/2024", "3,00") + weightRecord("08/03/2024", "3,70", "dopo la pappa")
            + weightRecord("15/03/2024", "4,35"));
        const Weighing shown = WeightLog::read(path).weighings[1];
        QCOMPARE(shown.position, 2);
        writeFile(now);

        QCOMPARE(WeightLog::replace(path, shown, weighing(QDate(2024, 3, 9), 3800)), written);
        const QByteArray replaced = weightRecord("09/03/2024", "3,80");
        QCOMPARE(fileBytes(), written ? now.first(R) + replaced + now.sliced(2 * R) : now);

        writeFile(now);
        QCOMPARE(WeightLog::remove(path, shown), written);
        QCOMPARE(fileBytes(), written ? now.first(R) + weightRecord("", "") + now.sliced(2 * R) : now);
    }

    // A file larger than any log is refused before a record is read, by every
    // action, and never written; a log of the largest size is read.
    void anOversizedFileIsRefusedUnread_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("refused");
        const qint64 largest = WeightLog::maximumRecords * WeightRecord::recordSize;
        QTest::newRow("the largest log") << largest << false;
        QTest::newRow("one byte more") << largest + 1 << true;
        QTest::newRow("10 GB") << qint64(10) * 1024 * 1024 * 1024 << true;
    }

    void anOversizedFileIsRefusedUnread()
    {
        QFETCH(qint64, size);
        QFETCH(bool, refused);
        QTemporaryDir dir;
        const QString path = dir.filePath(WeightRecord::fileNameForDog(1));
        QFile sparse(path);
        QVERIFY(sparse.open(QIODevice::WriteOnly));
        QVERIFY(sparse.resize(size));
        sparse.close();
        if (!refused) {
            QCOMPARE(WeightLog::read(path).emptySlots.size(), WeightLog::maximumRecords);
            return;
        }
        QElapsedTimer timer;
        timer.start();
        QVERIFY_THROWS_EXCEPTION(OversizedFileError, WeightLog::read(path));
        QVERIFY(timer.elapsed() < 3000); // reading it all takes several seconds
        const Weighing shown { QDate(2024, 3, 1), 3000, {}, 1, weightRecord("", "") };
        QVERIFY_THROWS_EXCEPTION(OversizedFileError, WeightLog::add(path, weighing(QDate(2024, 3, 1), 3000)));
        QVERIFY_THROWS_EXCEPTION(OversizedFileError, WeightLog::replace(path, shown, shown));
        QVERIFY_THROWS_EXCEPTION(OversizedFileError, WeightLog::remove(path, shown));
        QCOMPARE(QFileInfo(path).size(), size);
        QVERIFY(sparse.open(QIODevice::ReadOnly));
        QCOMPARE(sparse.read(WeightRecord::recordSize), QByteArray(WeightRecord::recordSize, '\0'));
    }
};

QTEST_GUILESS_MAIN(tst_WeightLog)
#include "tst_weightlog.moc"
