// The toolkit's own texts, which the program's message boxes, file, print
// and preview dialogs show, in Italian.
#include "app/ToolkitTexts.h"

#include <QCoreApplication>
#include <QTest>

class tst_ToolkitTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(ToolkitTexts::installItalian()); }

    void dialogTextsAreItalian_data()
    {
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("english");
        QTest::addColumn<QString>("italian");
        // The buttons of every message box.
        QTest::newRow("Yes") << QByteArray("QPlatformTheme") << QByteArray("&Yes") << QStringLiteral("&Sì");
        QTest::newRow("No") << QByteArray("QPlatformTheme") << QByteArray("&No") << QStringLiteral("&No");
        QTest::newRow("Cancel") << QByteArray("QPlatformTheme") << QByteArray("Cancel") << QStringLiteral("Annulla");
        // The file dialog, the print dialog and the preview.
        QTest::newRow("file name") << QByteArray("QFileDialog") << QByteArray("File &name:")
                                   << QStringLiteral("&Nome del file:");
        QTest::newRow("print") << QByteArray("QPrintDialog") << QByteArray("Print") << QStringLiteral("Stampa");
        QTest::newRow("preview") << QByteArray("QPrintPreviewDialog") << QByteArray("Print Preview")
                                 << QStringLiteral("Anteprima di stampa");
    }
    void dialogTextsAreItalian()
    {
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, english);
        QFETCH(QString, italian);
        QCOMPARE(QCoreApplication::translate(context.constData(), english.constData()), italian);
    }
};

QTEST_GUILESS_MAIN(tst_ToolkitTexts)
#include "tst_toolkittexts.moc"
