// The health booklet's due dates: the default interval of each kind, for a
// puppy in its series and for a grown dog, the day it falls due across month
// ends, a leap day and the year's end, and the state of a due date on a day.

#include "kennel/HealthDue.h"

#include <QTest>

using HealthDue::Interval;
using HealthDue::Kind;
using HealthDue::State;

Q_DECLARE_METATYPE(HealthDue::Kind)
Q_DECLARE_METATYPE(HealthDue::State)

namespace {

QDate day(const char *text)
{
    return QDate::fromString(QString::fromLatin1(text), QStringLiteral("dd/MM/yyyy"));
}

} // namespace

class tst_HealthDue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The next due day from the kind, the day of the treatment and the birth.
    void nextDueDay_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QDate>("treated");
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QDate>("due");
        const QDate puppy = day("01/11/2025");
        const QDate grown = day("01/03/2019");
        const QDate unknown;
        QTest::newRow("puppy series, across the year's end")
            << Kind::Vaccinazione << day("20/12/2025") << puppy << day("10/01/2026");
        QTest::newRow("last dose of the series: sixteen weeks less a day")
            << Kind::Vaccinazione << puppy.addDays(HealthDue::puppySeriesDays - 1) << puppy << day("13/03/2026");
        QTest::newRow("sixteen weeks old: a yearly booster")
            << Kind::Vaccinazione << puppy.addDays(HealthDue::puppySeriesDays) << puppy << day("21/02/2027");
        QTest::newRow("booster from a leap day") << Kind::Vaccinazione << day("29/02/2024") << grown << day("28/02/2025");
        QTest::newRow("booster, birth unknown") << Kind::Vaccinazione << day("14/03/2026") << unknown << day("14/03/2027");
        QTest::newRow("puppy worming") << Kind::Sverminazione << day("25/12/2025") << puppy << day("08/01/2026");
        QTest::newRow("worming at a month's end") << Kind::Sverminazione << day("30/11/2025") << grown << day("28/02/2026");
        QTest::newRow("antiparasitic into a leap February")
            << Kind::Antiparassitario << day("31/01/2028") << grown << day("29/02/2028");
        QTest::newRow("yearly visit") << Kind::Visita << day("31/12/2025") << grown << day("31/12/2026");
        QTest::newRow("yearly test") << Kind::EsameTest << day("15/06/2026") << puppy << day("15/06/2027");
        QTest::newRow("therapy: not repeated") << Kind::Terapia << day("15/06/2026") << grown << QDate();
        QTest::newRow("other: not repeated") << Kind::Altro << day("15/06/2026") << grown << QDate();
        QTest::newRow("no day given") << Kind::Vaccinazione << QDate() << grown << QDate();
    }

    void nextDueDay()
    {
        QFETCH(Kind, kind);
        QFETCH(QDate, treated);
        QFETCH(QDate, birth);
        QFETCH(QDate, due);
        QCOMPARE(HealthDue::dueAfter(treated, HealthDue::defaultInterval(kind, treated, birth)), due);
    }

    // The kinds and vaccines as the booklet offers them.
    void namesOffered()
    {
        const QStringList kinds = HealthDue::kindNames();
        QCOMPARE(kinds.size(), int(Kind::Altro) + 1);
        QCOMPARE(kinds.at(int(Kind::EsameTest)), QStringLiteral("Esame/Test"));
        QVERIFY(HealthDue::usualVaccines().contains(QStringLiteral("tosse dei canili")));
    }

    void stateOnADay_data()
    {
        QTest::addColumn<QDate>("due");
        QTest::addColumn<int>("notice");
        QTest::addColumn<State>("state");
        QTest::addColumn<QString>("word");
        const QDate today = day("10/03/2026");
        QTest::newRow("no due date") << QDate() << 7 << State::None << QString();
        QTest::newRow("yesterday") << today.addDays(-1) << 7 << State::Overdue << QStringLiteral("scaduto");
        QTest::newRow("today") << today << 7 << State::DueSoon << QStringLiteral("in scadenza");
        QTest::newRow("last day of the notice") << today.addDays(7) << 7 << State::DueSoon << QStringLiteral("in scadenza");
        QTest::newRow("a day beyond it") << today.addDays(8) << 7 << State::Ok << QStringLiteral("ok");
        QTest::newRow("no notice, today") << today << 0 << State::DueSoon << QStringLiteral("in scadenza");
        QTest::newRow("no notice, tomorrow") << today.addDays(1) << 0 << State::Ok << QStringLiteral("ok");
        QTest::newRow("over the year's end") << day("02/01/2027") << 30 << State::Ok << QStringLiteral("ok");
    }

    void stateOnADay()
    {
        QFETCH(QDate, due);
        QFETCH(int, notice);
        QFETCH(State, state);
        QFETCH(QString, word);
        const State found = HealthDue::state(due, day("10/03/2026"), notice);
        QCOMPARE(found, state);
        QCOMPARE(HealthDue::stateWord(found), word);
    }
};

QTEST_APPLESS_MAIN(tst_HealthDue)
#include "tst_healthdue.moc"
