#include "AppFixture.h"

#include "dogs/AssociatedFolder.h"

#include <QDir>


using Kind = MessageBoxes::Kind;

namespace {

const QString failure = QStringLiteral(
    "Attenzione: non è stato possibile aprire la cartella abbinata al cane.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

} // namespace

class tst_AssociatedFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestContext>();
    }

    void cleanup()
    {
        m_test.reset();
    }

    void createdOnFirstUseAndOpened()
    {
        openAssociatedFolder(m_test->context(), nullptr, QStringLiteral(" 12 "));
        const QString folder = m_test->path(QStringLiteral("Cartelle_Abbinate/Cane_12"));
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(m_test->doubles.shell.opened, QStringList { QDir::toNativeSeparators(folder) });
        QVERIFY(m_test->doubles.messages.shown.isEmpty());

        m_test->writeFile(QStringLiteral("Cartelle_Abbinate/Cane_12/Libretto.pdf"), "kept");
        openAssociatedFolder(m_test->context(), nullptr, QStringLiteral("12"));
        QCOMPARE(m_test->doubles.shell.opened.size(), 2);
        QCOMPARE(
            m_test->readFile(QStringLiteral("Cartelle_Abbinate/Cane_12/Libretto.pdf")), QByteArray("kept"));
    }

    void cardNotStoredYet_warns_data()
    {
        QTest::addColumn<QString>("position");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << QStringLiteral("  ");
    }

    void cardNotStoredYet_warns()
    {
        QFETCH(QString, position);
        openAssociatedFolder(m_test->context(), nullptr, position);
        QCOMPARE(m_test->doubles.messages.takeOnly(),
            (RecordingMessageBoxes::Shown { Kind::Warning,
                QStringLiteral(
                    "Attenzione: l'abbinamento della cartella al cane può avvenire soltanto dopo che "
                    "la scheda è stata inserita in archivio.") }));
        QVERIFY(m_test->doubles.shell.opened.isEmpty());
        QVERIFY(!QFileInfo::exists(m_test->path(QStringLiteral("Cartelle_Abbinate"))));
    }

    // A file named like the folder of all associated folders blocks creating one.
    void folderCannotBeMade_reportsError()
    {
        m_test->writeFile(QStringLiteral("Cartelle_Abbinate"), "not a folder");
        openAssociatedFolder(m_test->context(), nullptr, QStringLiteral("12"));
        QCOMPARE(
            m_test->doubles.messages.takeOnly(), (RecordingMessageBoxes::Shown { Kind::Error, failure }));
        QVERIFY(m_test->doubles.shell.opened.isEmpty());
    }

    void desktopRefuses_reportsError()
    {
        m_test->doubles.shell.succeed = false;
        openAssociatedFolder(m_test->context(), nullptr, QStringLiteral("12"));
        QCOMPARE(
            m_test->doubles.messages.takeOnly(), (RecordingMessageBoxes::Shown { Kind::Error, failure }));
    }

private:
    std::unique_ptr<TestContext> m_test;
};

ZAMPORA_GUI_TEST_MAIN(tst_AssociatedFolder)
#include "tst_associatedfolder.moc"
