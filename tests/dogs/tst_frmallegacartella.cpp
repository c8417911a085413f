#include "AppFixture.h"

#include "dogs/frmAllegaCartella.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>


using Kind = MessageBoxes::Kind;
using Answer = MessageBoxes::Answer;

namespace {

const QString overwriteQuestion = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
    "Si vuole sovrascrivere il file esistente?");

} // namespace

class tst_frmAllegaCartella : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestContext>();
    }

    void cleanup()
    {
        m_window.reset();
        m_test.reset();
    }

    void showsTheSlotsItWasGiven()
    {
        open({ { { QStringLiteral(" Referto.pdf "), QStringLiteral(" Esami del sangue ") },
            { QString(), QStringLiteral("Passaporto") }, { QStringLiteral("Pedigree.jpg"), QString() } } });
        QCOMPARE(m_window->windowTitle(), QStringLiteral(" Allega file"));
        QCOMPARE(m_window->size(), QSize(634, 534));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        auto *mode = child<QLabel>(m_window.get(), "lblMemory");
        QCOMPARE(mode->text(), QStringLiteral("cani"));
        QVERIFY(mode->isHidden());
        QCOMPARE(name(1)->text(), QStringLiteral("Referto.pdf"));
        QVERIFY(name(1)->isReadOnly());
        QCOMPARE(description(1)->text(), QStringLiteral("Esami del sangue"));
        QCOMPARE(description(2)->text(), QStringLiteral("Passaporto"));
        QCOMPARE(description(2)->maxLength(), QLineEdit().maxLength()); // no limit of its own
        QVERIFY(openButton(1)->isEnabled());
        QVERIFY(!openButton(2)->isEnabled());
        QVERIFY(openButton(3)->isEnabled());
        QCOMPARE(child<QPushButton>(m_window.get(), "btnSfoglia01")->text(), QStringLiteral("Sfoglia..."));
        QCOMPARE(openButton(1)->text(), QStringLiteral("Apri"));
    }

    // The delete picture forgets the name only: description and file stay.
    void deletePicture_emptiesTheNameOnly()
    {
        m_test->writeFile(QStringLiteral("Documenti_Allegati/Referto.pdf"), "pdf");
        open({ { { QStringLiteral("Referto.pdf"), QStringLiteral("Esami") }, {}, {} } });
        click(child(m_window.get(), "imgCancella01"));
        QCOMPARE(name(1)->text(), QString());
        QVERIFY(!openButton(1)->isEnabled());
        QCOMPARE(description(1)->text(), QStringLiteral("Esami"));
        QCOMPARE(m_test->readFile(QStringLiteral("Documenti_Allegati/Referto.pdf")), QByteArray("pdf"));
    }

    void browse_copiesIntoTheAttachmentFolder()
    {
        m_test->writeFile(QStringLiteral("fuori/Referto.pdf"), "new report");
        open({});
        browse(2, m_test->path(QStringLiteral("fuori/Referto.pdf")));
        const auto asked = m_test->doubles.fileDialogs.asked;
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].title, QStringLiteral("Selezionare il file da allegare:"));
        QCOMPARE(asked[0].filters, QStringLiteral("Tutti i file (*)"));
        QCOMPARE(name(2)->text(), QStringLiteral("Referto.pdf"));
        QVERIFY(openButton(2)->isEnabled());
        QCOMPARE(
            m_test->readFile(QStringLiteral("Documenti_Allegati/Referto.pdf")), QByteArray("new report"));
        QVERIFY(m_test->doubles.messages.shown.isEmpty());
    }

    // The card stores names trimmed: the copy must carry the name it will be opened by.
    void browseNameWithBlanks_copiedUnderTheStoredName()
    {
        m_test->writeFile(QStringLiteral("fuori/ Referto.pdf "), "report");
        open({});
        browse(1, m_test->path(QStringLiteral("fuori/ Referto.pdf ")));
        QCOMPARE(name(1)->text(), QStringLiteral("Referto.pdf"));
        QCOMPARE(m_test->readFile(QStringLiteral("Documenti_Allegati/Referto.pdf")), QByteArray("report"));
    }

    void browseCancelled_changesNothing()
    {
        open({ { { QStringLiteral("Referto.pdf"), QString() }, {}, {} } });
        browse(1, QString());
        QCOMPARE(name(1)->text(), QStringLiteral("Referto.pdf"));
        QVERIFY(!QFileInfo::exists(m_test->path(QStringLiteral("Documenti_Allegati"))));
    }

    void browseOverAnExistingName_asks_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("yes replaces") << true << QByteArray("new report");
        QTest::newRow("no keeps the file there") << false << QByteArray("other dog's report");
    }

    void browseOverAnExistingName_asks()
    {
        QFETCH(bool, replace);
        QFETCH(QByteArray, kept);
        m_test->writeFile(QStringLiteral("Documenti_Allegati/Referto.pdf"), "other dog's report");
        m_test->writeFile(QStringLiteral("fuori/Referto.pdf"), "new report");
        m_test->doubles.messages.answerNextQuestions({ replace ? Answer::Yes : Answer::No });
        open({});
        browse(1, m_test->path(QStringLiteral("fuori/Referto.pdf")));
        QCOMPARE(m_test->doubles.messages.takeOnly(),
            (RecordingMessageBoxes::Shown { Kind::Question, overwriteQuestion }));
        QCOMPARE(name(1)->text(), QStringLiteral("Referto.pdf"));
        QCOMPARE(m_test->readFile(QStringLiteral("Documenti_Allegati/Referto.pdf")), kept);
    }

    // Choosing a file that is already in the attachment folder must not copy it onto itself.
    void browseAFileAlreadyAttached_leavesItAlone()
    {
        m_test->writeFile(QStringLiteral("Documenti_Allegati/Referto.pdf"), "report");
        open({});
        browse(3, m_test->path(QStringLiteral("Documenti_Allegati/Referto.pdf")));
        QVERIFY(m_test->doubles.messages.shown.isEmpty());
        QCOMPARE(name(3)->text(), QStringLiteral("Referto.pdf"));
        QCOMPARE(m_test->readFile(QStringLiteral("Documenti_Allegati/Referto.pdf")), QByteArray("report"));
    }

    // A file named like the attachment folder blocks it: the name is kept, silently.
    void browseWithoutAttachmentFolder_keepsTheName()
    {
        m_test->writeFile(QStringLiteral("Documenti_Allegati"), "not a folder");
        m_test->writeFile(QStringLiteral("fuori/Referto.pdf"), "report");
        open({});
        browse(1, m_test->path(QStringLiteral("fuori/Referto.pdf")));
        QCOMPARE(name(1)->text(), QStringLiteral("Referto.pdf"));
        QVERIFY(m_test->doubles.messages.shown.isEmpty());
    }

    // Whatever a damaged or foreign archive stored as a name, only a file in
    // the attachment folder is handed to the desktop.
    void open_staysInTheAttachmentFolder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("opened");
        QTest::newRow("bare name") << QStringLiteral(" Referto.pdf ") << QStringLiteral("Referto.pdf");
        QTest::newRow("missing file") << QStringLiteral("Rimosso.pdf") << QStringLiteral("Rimosso.pdf");
        QTest::newRow("parent folder")
            << QStringLiteral("../Anagrafica_Cani.pro") << QStringLiteral("Anagrafica_Cani.pro");
        QTest::newRow("backslashes") << QStringLiteral("..\\..\\Windows\\notepad.exe")
                                     << QStringLiteral("notepad.exe");
        QTest::newRow("absolute") << QStringLiteral("/etc/passwd") << QStringLiteral("passwd");
        QTest::newRow("drive") << QStringLiteral("C:\\Dati\\Libretto.doc") << QStringLiteral("Libretto.doc");
        QTest::newRow("only dots") << QStringLiteral("..") << QString();
        QTest::newRow("folder only") << QStringLiteral("sub/") << QString();
    }

    void open_staysInTheAttachmentFolder()
    {
        QFETCH(QString, stored);
        QFETCH(QString, opened);
        open({ { { stored, QString() }, {}, {} } });
        click(openButton(1));
        if (opened.isEmpty()) {
            QVERIFY(m_test->doubles.shell.opened.isEmpty());
            QCOMPARE(m_test->doubles.messages.takeOnly(), openFailure());
        } else {
            const QString inFolder
                = QDir::toNativeSeparators(m_test->path(QStringLiteral("Documenti_Allegati/") + opened));
            QCOMPARE(m_test->doubles.shell.opened, QStringList { inFolder });
            QVERIFY(m_test->doubles.messages.shown.isEmpty());
        }
    }

    void openRefusedByTheDesktop_reportsIt()
    {
        m_test->doubles.shell.succeed = false;
        open({ { { QStringLiteral("Referto.pdf"), QString() }, {}, {} } });
        click(openButton(1));
        QCOMPARE(m_test->doubles.messages.takeOnly(), openFailure());
    }

    void applyOrCancel_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("applied");
        QTest::newRow("Applica e chiudi") << QStringLiteral("btnApplica") << true;
        QTest::newRow("Annulla") << QStringLiteral("btnAnnulla") << false;
    }

    // The window hands back its slots only when the user applies, and then
    // all six, trimmed; the mode it was opened in stays as given.
    void applyOrCancel()
    {
        QFETCH(QString, button);
        QFETCH(bool, applied);
        open({ { { QStringLiteral("Referto.pdf"), QString() },
                 { QStringLiteral(" Passaporto.pdf "), QStringLiteral("Passaporto") }, {} } },
            QStringLiteral("clienti"));
        QCOMPARE(child<QLabel>(m_window.get(), "lblMemory")->text(), QStringLiteral("clienti"));
        click(child(m_window.get(), "imgCancella02"));
        description(1)->setFocus();
        QTest::keyClicks(description(1), QStringLiteral("  Esami  "));
        click(child(m_window.get(), button.toLatin1().constData()));

        QVERIFY(!m_window->isVisible());
        const Attachments edited { { { QStringLiteral("Referto.pdf"), QStringLiteral("Esami") },
            { QString(), QStringLiteral("Passaporto") }, {} } };
        QCOMPARE(m_window->applied(), applied ? std::optional(edited) : std::nullopt);
    }

private:
    void open(const Attachments &current, const QString &mode = QStringLiteral("cani"))
    {
        m_window = std::make_unique<frmAllegaCartella>(m_test->context(), nullptr, mode, current);
        m_window->show();
    }

    void browse(int slot, const QString &chosen)
    {
        m_test->doubles.fileDialogs.answers.enqueue(chosen);
        click(child(m_window.get(), QStringLiteral("btnSfoglia0%1").arg(slot).toLatin1().constData()));
    }

    QLineEdit *name(int slot) { return lineEdit("txtFile0%1", slot); }
    QLineEdit *description(int slot) { return lineEdit("txtDesc0%1", slot); }
    QPushButton *openButton(int slot)
    {
        return child<QPushButton>(
            m_window.get(), QStringLiteral("btnApri0%1").arg(slot).toLatin1().constData());
    }
    QLineEdit *lineEdit(const char *pattern, int slot)
    {
        return child<QLineEdit>(
            m_window.get(), QString::fromLatin1(pattern).arg(slot).toLatin1().constData());
    }

    static RecordingMessageBoxes::Shown openFailure()
    {
        return { Kind::Error, QStringLiteral("Attenzione: non è stato possibile aprire il file allegato.") };
    }

    std::unique_ptr<TestContext> m_test;
    std::unique_ptr<frmAllegaCartella> m_window;
};

ZAMPORA_GUI_TEST_MAIN(tst_frmAllegaCartella)
#include "tst_frmallegacartella.moc"
