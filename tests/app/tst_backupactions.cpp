// Backup and restore from the two small pictures of the main menu's footer.
#include "AppFixture.h"

#include "app/frmAvvio.h"
#include "backup/Backup.h"
#include "ui/PictureButton.h"

#include <QDir>
#include <QTemporaryDir>

using Shown = RecordingMessageBoxes::Shown;
using Kind = MessageBoxes::Kind;

class tst_BackupActions : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;
    QTemporaryDir m_elsewhere;

    QWidget *menu() { return &m_fixture->app().mainMenu(); }
    QString zip() const { return m_elsewhere.filePath(QStringLiteral("copia.zip")); }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<AppFixture>();
        m_fixture->writeFile(QStringLiteral("Proprietari.pro"), QByteArray(3702, 'p'));
        m_fixture->writeFile(QStringLiteral("Album/Cane_1.jpg"), QByteArray("photo"));
    }
    void cleanup()
    {
        m_fixture.reset();
        QFile::remove(zip());
    }

    // Discreet, beside the exit: no picture the menu already shows is covered.
    void pictures_standApartFromTheOthers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("words");
        QTest::newRow("backup") << QStringLiteral("imgCopiaSicurezza") << QStringLiteral("Crea copia di sicurezza");
        QTest::newRow("restore") << QStringLiteral("imgRipristino") << QStringLiteral("Ripristina copia di sicurezza");
    }
    void pictures_standApartFromTheOthers()
    {
        QFETCH(QString, name);
        QFETCH(QString, words);
        auto *picture = child<PictureButton>(menu(), name.toLatin1().constData());
        QCOMPARE(picture->accessibleName(), words);
        QVERIFY(!picture->toolTip().isEmpty());
        QWidget *panel = child(menu(), "panAvvio");
        for (QWidget *other : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other != picture && !other->objectName().isEmpty())
                QVERIFY2(!other->geometry().intersects(picture->geometry()), qPrintable(other->objectName()));
        }
        QVERIFY(QRect(QPoint(), frmAvvio::panelSize).contains(picture->geometry()));
    }

    void backup_writesEveryDataFile()
    {
        AppFixture &f = *m_fixture;
        f.doubles.fileDialogs.answers.enqueue(zip());
        click(child(menu(), "imgCopiaSicurezza"));
        const FileDialogs::SaveRequest asked = f.doubles.fileDialogs.asked.value(0).save;
        QCOMPARE(asked.title, QStringLiteral("Crea copia di sicurezza"));
        QCOMPARE(asked.filter, QStringLiteral("Copia di sicurezza (*.zip)"));
        QCOMPARE(asked.proposedName, QStringLiteral("Zampora_copia_2024-02-28.zip"));
        const Backup::Totals totals = Backup::verify(zip());
        QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Information, Backup::createdMessage(totals) }));
        QVERIFY(totals.files >= 3); // the settings file beside the two written here

        QCOMPARE(f.doubles.progress.runs.size(), 1);
        const ScriptedProgress::Run &run = f.doubles.progress.runs[0];
        QCOMPARE(run.title, QStringLiteral("Crea copia di sicurezza"));
        QCOMPARE(run.labels().constFirst(), QString::fromUtf8("Preparazione della copia di sicurezza…"));
        QCOMPARE(run.labels().constLast(),
            QStringLiteral("Copia dei dati in corso: file %1 di %1 (0,0 MB di 0,0 MB).").arg(totals.files));
        QCOMPARE(run.steps.constLast().done, totals.bytes);
        QCOMPARE(run.steps.constLast().total, totals.bytes);
        QVERIFY(!run.cancelled);
    }

    // "Annulla" on the progress dialog: the earlier backup stays byte for
    // byte, no temporary file is left beside it and nothing is said.
    void backup_cancelled_keepsTheEarlierBackup()
    {
        AppFixture &f = *m_fixture;
        f.writeFile(QStringLiteral("Album/Cane_2.jpg"), QByteArray(3 << 20, 'j'));
        QFile earlier(zip());
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("the previous backup");
        earlier.close();
        f.doubles.progress.cancelAtStep = 2;
        f.doubles.fileDialogs.answers.enqueue(zip());
        click(child(menu(), "imgCopiaSicurezza"));

        QVERIFY(f.doubles.progress.runs.value(0).cancelled);
        QCOMPARE(f.doubles.messages.shown, QList<Shown>());
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("the previous backup"));
        QCOMPARE(QDir(m_elsewhere.path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("copia.zip") });
    }

    // Cancelled while it unpacks, a restore leaves the folder as it was and
    // says so; the swap itself cannot be cancelled.
    void restore_cancelled_leavesTheFolderAsItWas()
    {
        AppFixture &f = *m_fixture;
        f.writeFile(QStringLiteral("Album/Cane_2.jpg"), QByteArray(3 << 20, 'j'));
        Backup::create(ProgramFolder(f.path(QString())), zip());
        f.writeFile(QStringLiteral("Proprietari.pro"), QByteArray("changed"));
        const QStringList before = Backup::dataEntries(f.path(QString()));
        const QStringList everythingBefore = QDir(f.path(QString())).entryList(QDir::AllEntries | QDir::Hidden);
        f.doubles.progress.cancelAtStep = 2;
        f.doubles.fileDialogs.answers.enqueue(zip());
        click(child(menu(), "imgRipristino"));

        const ScriptedProgress::Run run = f.doubles.progress.runs.value(0);
        QCOMPARE(run.title, QStringLiteral("Ripristina copia di sicurezza"));
        QVERIFY(run.cancelled);
        QVERIFY2(run.labels().constLast().startsWith(
                     QStringLiteral("Verifica ed estrazione della copia di sicurezza in corso: file ")),
            qPrintable(run.labels().constLast()));
        QCOMPARE(f.doubles.messages.shown.size(), 2);
        QCOMPARE(f.doubles.messages.shown[1],
            (Shown { Kind::Information,
                QString::fromUtf8("Il ripristino è stato annullato.\n\r\n\rNessun dato è stato modificato.") }));
        QCOMPARE(f.readFile(QStringLiteral("Proprietari.pro")), QByteArray("changed"));
        QCOMPARE(Backup::dataEntries(f.path(QString())), before);
        QCOMPARE(QDir(f.path(QString())).entryList(QDir::AllEntries | QDir::Hidden), everythingBefore);
    }

    void restore_confirmed_putsTheBackupInPlace()
    {
        AppFixture &f = *m_fixture;
        Backup::create(ProgramFolder(f.path(QString())), zip());
        f.writeFile(QStringLiteral("Proprietari.pro"), QByteArray("changed"));
        f.doubles.fileDialogs.answers.enqueue(zip());
        click(child(menu(), "imgRipristino"));

        QCOMPARE(f.doubles.fileDialogs.asked.value(0).title, QStringLiteral("Ripristina copia di sicurezza"));
        QCOMPARE(f.doubles.messages.shown.size(), 2);
        QCOMPARE(f.doubles.messages.shown[0].kind, Kind::Question);
        const Shown done = f.doubles.messages.shown[1];
        QCOMPARE(done.kind, Kind::Information);
        const QList<Progress::Step> steps = f.doubles.progress.runs.value(0).steps;
        QCOMPARE(steps.constLast().label, QString::fromUtf8("Sostituzione dei dati del programma con quelli della copia…"));
        QVERIFY(!steps.constLast().cancellable);
        const QString aside = QDir::toNativeSeparators(f.path(QStringLiteral("Dati_prima_del_ripristino_2024-02-28_09-30-00")));
        QVERIFY2(done.text.endsWith(QStringLiteral("spostati nella cartella %1.").arg(aside)), qPrintable(done.text));
        QCOMPARE(f.readFile(QStringLiteral("Proprietari.pro")), QByteArray(3702, 'p'));
        QCOMPARE(f.readFile(QStringLiteral("Dati_prima_del_ripristino_2024-02-28_09-30-00/Proprietari.pro")),
            QByteArray("changed"));
    }

    void restore_answeredNo_changesNothing()
    {
        AppFixture &f = *m_fixture;
        Backup::create(ProgramFolder(f.path(QString())), zip());
        f.writeFile(QStringLiteral("Proprietari.pro"), QByteArray("changed"));
        f.doubles.fileDialogs.answers.enqueue(zip());
        f.doubles.messages.answerNextQuestions({ MessageBoxes::Answer::No });
        click(child(menu(), "imgRipristino"));
        QCOMPARE(f.doubles.messages.takeOnly().kind, Kind::Question);
        QCOMPARE(f.readFile(QStringLiteral("Proprietari.pro")), QByteArray("changed"));
    }

    void restore_ofADamagedFile_saysWhyAndChangesNothing()
    {
        AppFixture &f = *m_fixture;
        QFile broken(zip());
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("PK\x03\x04 not really");
        broken.close();
        f.doubles.fileDialogs.answers.enqueue(zip());
        click(child(menu(), "imgRipristino"));
        QCOMPARE(f.doubles.messages.shown.size(), 2);
        QCOMPARE(f.doubles.messages.shown[1],
            (Shown { Kind::Error,
                QString::fromUtf8("Attenzione: il file scelto non è una copia di sicurezza leggibile: è danneggiato o "
                                  "incompleto.\n\r\n\rNessun dato è stato modificato.") }));
        QCOMPARE(f.readFile(QStringLiteral("Proprietari.pro")), QByteArray(3702, 'p'));
    }
};

ZAMPORA_GUI_TEST_MAIN(tst_BackupActions)
#include "tst_backupactions.moc"
