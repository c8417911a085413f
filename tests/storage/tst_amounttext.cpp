#include "storage/AmountText.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

// The amount rule of the schedule (four places) and of the costs (two places).
class tst_AmountText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatted_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, const char *typed, int places, const char *shown) {
            QTest::newRow(name) << QString::fromLatin1(typed) << places << QString::fromLatin1(shown);
        };
        row("whole", "12", 4, "12,00");
        row("one decimal", "12,5", 4, "12,50");
        row("leading zeros", "007,1", 4, "7,10");
        row("rounded to four", "0,123456", 4, "0,1235");
        row("pi", "3,14159", 4, "3,1416");
        row("trailing zeros dropped", "2,5000", 4, "2,50");
        row("three decimals kept", "12,345", 4, "12,345");
        row("many decimals", "12,3456789", 4, "12,3457");
        row("half up at the fifth", "0,00005", 4, "0,0001");
        row("under one", "0,5", 4, "0,50");
        row("blank", "   ", 4, "0,00");
        row("empty", "", 4, "0,00");
        row("two commas", "1,2,3", 4, "0,00");
        row("comma alone", ",", 4, "0,00");
        row("point", "12.5", 4, "0,00");
        row("comma first", ",5", 4, "0,50");
        row("comma last", "5,", 4, "5,00");
        row("negative from a file", "-5", 4, "-5,00");
        row("fifteen digits", "999999999999999", 4, "999999999999999,00");
        // Costs: the binary value decides, as the costs window always did.
        row("cents", "12,5", 2, "12,50");
        row("binary 1,005", "1,005", 2, "1,00");
        row("binary 2,675", "2,675", 2, "2,67");
        row("binary 0,125", "0,125", 2, "0,13");
        row("cents rounding up", "9,999", 2, "10,00");
    }

    void formatted()
    {
        QFETCH(QString, typed);
        QFETCH(int, places);
        QFETCH(QString, shown);
        QCOMPARE(AmountText::formatted(typed, places), shown);
    }

    void shortestNeverUsesAnExponent_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 12.5 << QStringLiteral("12,5");
        QTest::newRow("whole") << 12.0 << QStringLiteral("12");
        QTest::newRow("huge") << 1e21 << QStringLiteral("1000000000000000000000");
        QTest::newRow("huge with digits") << 1.5e17 << QStringLiteral("150000000000000000");
        QTest::newRow("tiny") << 0.00001 << QStringLiteral("0,00001");
        QTest::newRow("negative zero") << -0.0 << QStringLiteral("0");
    }

    void shortestNeverUsesAnExponent()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(AmountText::shortest(value), text);
    }

    // Whatever reaches the box (pasted, read from a foreign file), the rule
    // answers with digits, a comma and two to four decimals.
    void anyText_givesAnAmount()
    {
        QRandomGenerator random(20250305);
        const QString alphabet = QStringLiteral("0123456789,,,-+. e");
        const QRegularExpression form(QStringLiteral("^-?[0-9]+,[0-9]{2,4}$"));
        for (int i = 0; i < 20000; ++i) {
            QString text;
            for (int c = random.bounded(20); c > 0; --c)
                text += alphabet[random.bounded(int(alphabet.size()))];
            const QString shown = AmountText::formatted(text, 4);
            QVERIFY2(form.match(shown).hasMatch(), qPrintable(text + QStringLiteral(" -> ") + shown));
        }
    }
};

QTEST_GUILESS_MAIN(tst_AmountText)
#include "tst_amounttext.moc"
