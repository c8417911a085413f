// A female's cycle: the next heat expected from the heats recorded, and the
// whelping expected from the first mating, across month and year ends.

#include "kennel/HeatCycle.h"

#include <QTest>

namespace {

QDate day(const char *text)
{
    return QDate::fromString(QString::fromLatin1(text), QStringLiteral("dd/MM/yyyy"));
}

} // namespace

class tst_HeatCycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nextHeat_data()
    {
        QTest::addColumn<QList<QDate>>("starts");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("none recorded") << QList<QDate> {} << QDate();
        QTest::newRow("one heat: six months on") << QList<QDate> { day("15/03/2026") } << day("15/09/2026");
        QTest::newRow("one heat at a month's end") << QList<QDate> { day("31/08/2025") } << day("28/02/2026");
        QTest::newRow("two heats: their interval again")
            << QList<QDate> { day("01/01/2025"), day("30/06/2025") } << day("27/12/2025");
        QTest::newRow("irregular: the average, rounded")
            << QList<QDate> { day("01/01/2025"), day("01/06/2025"), day("11/01/2026") } << day("18/07/2026");
        QTest::newRow("any order, repeats and blanks passed over") << QList<QDate> { day("30/06/2025"),
            QDate(), day("01/01/2025"), day("30/06/2025") } << day("27/12/2025");
        QTest::newRow("across a leap day")
            << QList<QDate> { day("01/09/2027"), day("01/03/2028") } << day("30/08/2028");
    }

    void nextHeat()
    {
        QFETCH(QList<QDate>, starts);
        QFETCH(QDate, expected);
        QCOMPARE(HeatCycle::expectedNextHeat(starts), expected);
    }

    void whelping_data()
    {
        QTest::addColumn<QDate>("mating");
        QTest::addColumn<QDate>("expected");
        QTest::addColumn<QDate>("earliest");
        QTest::addColumn<QDate>("latest");
        QTest::newRow("within a season")
            << day("01/04/2026") << day("03/06/2026") << day("29/05/2026") << day("08/06/2026");
        QTest::newRow("over a month's and a year's end")
            << day("01/11/2025") << day("03/01/2026") << day("29/12/2025") << day("08/01/2026");
        QTest::newRow("over a leap February")
            << day("15/01/2028") << day("18/03/2028") << day("13/03/2028") << day("23/03/2028");
        QTest::newRow("no mating date") << QDate() << QDate() << QDate() << QDate();
    }

    void whelping()
    {
        QFETCH(QDate, mating);
        QFETCH(QDate, expected);
        QFETCH(QDate, earliest);
        QFETCH(QDate, latest);
        QCOMPARE(HeatCycle::whelpingAfter(mating), (HeatCycle::Whelping { expected, earliest, latest }));
    }
};

QTEST_GUILESS_MAIN(tst_HeatCycle)
#include "tst_heatcycle.moc"
