// The toolkit's own texts, which the program's message boxes, file, print
// and preview dialogs show, in Italian, and the file dialog's list written as
// the program writes, whatever the machine's language (the tests run in the
// C locale).
#include "AppFixture.h"

#include "app/ToolkitTexts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

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
        // Texts Qt's Italian catalogue lacks, given by the program.
        QTest::newRow("pages") << QByteArray("QPrintSettingsOutput") << QByteArray("Pages") << QStringLiteral("Pagine");
        QTest::newRow("double sided") << QByteArray("QPrintSettingsOutput") << QByteArray("Double Sided Printing")
                                      << QStringLiteral("Stampa fronte/retro");
        QTest::newRow("long side") << QByteArray("QPrintSettingsOutput") << QByteArray("Long side binding")
                                   << QStringLiteral("Rilegatura sul lato lungo");
        QTest::newRow("advanced") << QByteArray("QPrintPropertiesWidget") << QByteArray("Advanced")
                                  << QStringLiteral("Avanzate");
        QTest::newRow("folder") << QByteArray("QAbstractFileIconProvider") << QByteArray("Folder")
                                << QStringLiteral("Cartella");
    }
    void dialogTextsAreItalian()
    {
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, english);
        QFETCH(QString, italian);
        QCOMPARE(QCoreApplication::translate(context.constData(), english.constData()), italian);
    }

    // The list names a folder and dates a file as the program writes, in
    // Italian, where Qt alone follows the system's locale.
    void fileDialogListsInItalian()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Foto")));
        QFile card(folder.filePath(QStringLiteral("Scheda.rtf")));
        QVERIFY(card.open(QIODevice::WriteOnly));
        QVERIFY(card.setFileTime(QDateTime(QDate(2026, 12, 11), QTime(8, 56)), QFileDevice::FileModificationTime));
        card.close();

        QFileDialog dialog(nullptr, QStringLiteral("Scegliere un file"), folder.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setViewMode(QFileDialog::Detail);
        ToolkitTexts::useItalianFormats(dialog);
        dialog.show();
        const auto *list = child<QTreeView>(&dialog, "treeView");
        QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 2);
        QMap<QString, QStringList> rows;
        for (int row = 0; row < 2; ++row) {
            const QModelIndex name = list->model()->index(row, 0, list->rootIndex());
            for (int column = 1; column < 4; ++column)
                rows[name.data().toString()] << name.siblingAtColumn(column).data().toString();
        }
        QCOMPARE(rows.value(QStringLiteral("Foto")).value(1), QStringLiteral("Cartella"));
        QCOMPARE(rows.value(QStringLiteral("Scheda.rtf")).value(2), QStringLiteral("11/12/26 08:56"));
    }
};

ZAMPORA_GUI_TEST_MAIN(tst_ToolkitTexts)
#include "tst_toolkittexts.moc"
