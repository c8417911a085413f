#include "core/DateText.h"

#include <QLocale>
#include <QTest>

class tst_DateText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Whatever locale is the default, dates keep the four-digit year that the
    // Italian short format would drop.
    void formatIsDayMonthFourDigitYear()
    {
        for (const QLocale &locale :
            { QLocale(QLocale::Italian, QLocale::Italy), QLocale(QLocale::English, QLocale::UnitedStates) }) {
            QLocale::setDefault(locale);
            QCOMPARE(DateText::format(QDate(2024, 2, 3)), QStringLiteral("03/02/2024"));
            QCOMPARE(DateText::format(QDate(1999, 12, 31)), QStringLiteral("31/12/1999"));
        }
        QCOMPARE(DateText::format(QDate()), QString());
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("day first") << QStringLiteral("03/02/2024") << QDate(2024, 2, 3);
        QTest::newRow("leap day") << QStringLiteral("29/02/2024") << QDate(2024, 2, 29);
        QTest::newRow("no leap day") << QStringLiteral("29/02/2023") << QDate();
        QTest::newRow("no leap day in a century") << QStringLiteral("29/02/1900") << QDate();
        QTest::newRow("leap day in the fourth century") << QStringLiteral("29/02/2000") << QDate(2000, 2, 29);
        QTest::newRow("year's end") << QStringLiteral("31/12/2024") << QDate(2024, 12, 31);
        QTest::newRow("year's start") << QStringLiteral("01/01/2025") << QDate(2025, 1, 1);
        QTest::newRow("last day") << QStringLiteral("31/12/9999") << QDate(9999, 12, 31);
        QTest::newRow("two-digit year") << QStringLiteral("03/02/24") << QDate();
        QTest::newRow("month first") << QStringLiteral("02/13/2024") << QDate();
        QTest::newRow("dashes") << QStringLiteral("03-02-2024") << QDate();
        QTest::newRow("empty") << QString() << QDate();
        QTest::newRow("one-digit day") << QStringLiteral("3/02/2024") << QDate();
        QTest::newRow("day 31 in April") << QStringLiteral("31/04/2025") << QDate();
        QTest::newRow("day 00") << QStringLiteral("00/04/2025") << QDate();
        QTest::newRow("year 0") << QStringLiteral("01/01/0000") << QDate();
        QTest::newRow("year 1") << QStringLiteral("01/01/0001") << QDate(1, 1, 1);
        QTest::newRow("blank inside") << QStringLiteral("03/ 2/2024") << QDate();
        QTest::newRow("trailing text") << QStringLiteral("03/02/20245") << QDate();
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(DateText::parse(text), date);
    }
};

QTEST_GUILESS_MAIN(tst_DateText)
#include "tst_datetext.moc"
