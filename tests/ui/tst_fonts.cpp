#include "AppFixture.h"
#include "ui/Fonts.h"

#include <QFontInfo>
#include <QFontMetrics>

// Runs with the substitutes installed by the test main, as the program has them.
class tst_Fonts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namedFamiliesResolveToTheirTwins_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("twin");
        QTest::newRow("Arial") << QStringLiteral("Arial") << QStringLiteral("Liberation Sans");
        QTest::newRow("Courier New") << QStringLiteral("Courier New") << QStringLiteral("Liberation Mono");
        QTest::newRow("Verdana") << QStringLiteral("Verdana") << QStringLiteral("DejaVu Sans");
        QTest::newRow("Tahoma") << QStringLiteral("Tahoma") << QStringLiteral("DejaVu Sans");
    }

    void namedFamiliesResolveToTheirTwins()
    {
        QFETCH(QString, family);
        QFETCH(QString, twin);
        QCOMPARE(QFontInfo(QFont(family, 10)).family(), twin);
    }

    void courierNewIsFixedPitch()
    {
        QVERIFY(QFontInfo(QFont(QStringLiteral("Courier New"), 10)).fixedPitch());
    }

    void fixedPitchStaysFixedPitch_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Courier New") << QStringLiteral("Courier New") << false;
        QTest::newRow("Courier New bold") << QStringLiteral("Courier New") << true;
        QTest::newRow("not installed") << QStringLiteral("Zampora Mono Inesistente") << false;
    }

    // Result lines line up their columns by character count: every character
    // must have the same advance.
    void fixedPitchStaysFixedPitch()
    {
        QFETCH(QString, family);
        QFETCH(bool, bold);
        const QFont font = Fonts::fixedPitch(family, 10, bold);
        QVERIFY(QFontInfo(font).fixedPitch());
        QCOMPARE(QFontInfo(font).bold(), bold);
        const QFontMetrics metrics(font);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiiii")),
            metrics.horizontalAdvance(QStringLiteral("WWWWW")));
    }
};

ZAMPORA_GUI_TEST_MAIN(tst_Fonts)
#include "tst_fonts.moc"
