// The tasks run from a terminal: backup, restore and calendar export.
#include "app/CommandLineTasks.h"
#include "backup/Backup.h"
#include "storage/ProgramFolder.h"

#include "SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

const QDateTime moment(QDate(2025, 3, 5), QTime(10, 30, 15));

struct Outcome
{
    std::optional<int> status;
    QString out;
    QString err;
};

} // namespace

class tst_CommandLineTasks : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString folder() const { return m_dir.filePath(QStringLiteral("cartella")); }

    Outcome run(QStringList arguments, const QString &programDir = QString())
    {
        arguments.prepend(QStringLiteral("zampora"));
        Outcome outcome;
        QTextStream out(&outcome.out);
        QTextStream err(&outcome.err);
        outcome.status = CommandLineTasks::run(arguments, programDir.isEmpty() ? folder() : programDir, moment, out, err);
        return outcome;
    }

    void write(const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(QDir(folder()).filePath(name)).path());
        QFile file(QDir(folder()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private Q_SLOTS:
    void init()
    {
        QDir(folder()).removeRecursively();
        write(QStringLiteral("Proprietari.pro"), QByteArray(3702, 'p'));
    }

    // The windows start for anything that names no task.
    void noTask_isTheOrdinaryStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList();
        QTest::newRow("folder") << QStringList { QStringLiteral("--cartella"), QStringLiteral("/tmp") };
        QTest::newRow("toolkit option") << QStringList { QStringLiteral("-platform"), QStringLiteral("offscreen") };
    }
    void noTask_isTheOrdinaryStart()
    {
        QFETCH(QStringList, arguments);
        const Outcome outcome = run(arguments);
        QVERIFY(!outcome.status);
        QVERIFY(outcome.out.isEmpty() && outcome.err.isEmpty());
    }

    void backupThenRestore_inTheFolderNamed()
    {
        const QString zip = m_dir.filePath(QStringLiteral("copia.zip"));
        // The program's own folder is elsewhere: --cartella names the data.
        Outcome made = run({ QStringLiteral("--cartella"), folder(), QStringLiteral("--backup"), zip }, m_dir.filePath(QStringLiteral("programma")));
        QCOMPARE(made.status, 0);
        QCOMPARE(made.out, QString::fromUtf8("La copia di sicurezza è stata creata: 1 file, 3702 byte.\n"));

        write(QStringLiteral("Proprietari.pro"), "changed");
        const Outcome restored = run({ QStringLiteral("--ripristina"), zip });
        QCOMPARE(restored.status, 0);
        QCOMPARE(restored.out,
            QString::fromUtf8("La copia di sicurezza è stata ripristinata: 1 file, 3702 byte.\n"
                              "I dati presenti prima del ripristino sono stati spostati nella cartella %1.\n")
                .arg(QDir::toNativeSeparators(QDir(folder()).filePath(QStringLiteral("Dati_prima_del_ripristino_2025-03-05_10-30-15")))));
        QFile restoredFile(QDir(folder()).filePath(QStringLiteral("Proprietari.pro")));
        QVERIFY(restoredFile.open(QIODevice::ReadOnly));
        QCOMPARE(restoredFile.readAll(), QByteArray(3702, 'p'));
    }

    void restoreOfADamagedFile_failsWithTheReason()
    {
        const QString zip = m_dir.filePath(QStringLiteral("rotta.zip"));
        QFile broken(zip);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a zip");
        broken.close();
        const Outcome outcome = run({ QStringLiteral("--ripristina"), zip });
        QCOMPARE(outcome.status, 1);
        QCOMPARE(outcome.err,
            QString::fromUtf8("Attenzione: il file scelto non è una copia di sicurezza leggibile: è danneggiato o "
                              "incompleto.\nNessun dato è stato modificato.\n"));
    }

    // The export only reads: a year without a file is an empty calendar.
    void calendar_ofAYearWithoutFile_createsNothingInTheFolder()
    {
        const QString ics = m_dir.filePath(QStringLiteral("Scadenze.ics"));
        const QStringList before = QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        const Outcome outcome = run({ QStringLiteral("--esporta-calendario"), QStringLiteral("2030"), ics });
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out, QString::fromUtf8("Il calendario è stato esportato con 0 scadenze.\n"));
        QVERIFY(QFileInfo(ics).size() > 0);
        QCOMPARE(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    }

    // A task never writes its output over a file the program keeps.
    void outputOntoAKeptFile_isRefused_data()
    {
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("kept");
        QTest::newRow("backup onto the owner archive") << QStringLiteral("--backup") << QStringLiteral("Proprietari.pro");
        QTest::newRow("calendar onto the owner archive")
            << QStringLiteral("--esporta-calendario") << QStringLiteral("Proprietari.pro");
        QTest::newRow("calendar onto its own year") << QStringLiteral("--esporta-calendario") << QStringLiteral("2025.sca");
    }
    void outputOntoAKeptFile_isRefused()
    {
        QFETCH(QString, task);
        QFETCH(QString, kept);
        write(QStringLiteral("2025.sca"), QByteArray(1448, 's'));
        const QString target = QDir(folder()).filePath(kept);
        const QByteArray before = [&] {
            QFile file(target);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        QStringList arguments { QStringLiteral("--cartella"), folder(), task };
        if (task == QLatin1String("--esporta-calendario"))
            arguments << QStringLiteral("2025");
        const Outcome outcome = run(arguments << target);
        QCOMPARE(outcome.status, 1);
        QCOMPARE(outcome.err,
            QString::fromUtf8("Attenzione: il file %1 fa parte dei dati o dei file del programma e non può essere "
                              "sostituito.\nIndicare un altro nome o un'altra cartella.\n")
                .arg(QDir::toNativeSeparators(target)));
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    // On a full disk a task fails with its reason and a status that says so,
    // and the earlier file of that name stays byte for byte.
    void fullDisk_failsAndKeepsTheEarlierFile_data()
    {
        QTest::addColumn<QStringList>("task");
        QTest::addColumn<QString>("name");
        QTest::newRow("backup onto an earlier one") << QStringList { QStringLiteral("--backup") } << QStringLiteral("copia.zip");
        QTest::newRow("calendar onto an earlier one")
            << QStringList { QStringLiteral("--esporta-calendario"), QStringLiteral("2025") } << QStringLiteral("scadenze.ics");
    }
    void fullDisk_failsAndKeepsTheEarlierFile()
    {
        QFETCH(QStringList, task);
        QFETCH(QString, name);
        const SmallDisk disk;
        if (!disk.isMounted())
            QSKIP("mounting a small file system needs root");
        write(QStringLiteral("2025.sca"), QByteArray(1448, 's'));
        const QString target = disk.filePath(name);
        const QByteArray earlier(4096, 'e');
        {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(earlier);
        }
        disk.fill();
        const Outcome outcome = run(QStringList { QStringLiteral("--cartella"), folder() } + task << target);
        QCOMPARE(outcome.status, 1);
        QCOMPARE(outcome.err,
            QString::fromUtf8("Attenzione: non è stato possibile scrivere il file %1.\n").arg(QDir::toNativeSeparators(target)));
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), earlier);
        QCOMPARE(disk.entries(), QStringList { name });
    }

    void mistakes_areRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("year of three digits")
            << QStringList { QStringLiteral("--esporta-calendario"), QStringLiteral("202"), QStringLiteral("x.ics") }
            << QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.\n");
        QTest::newRow("year 0000")
            << QStringList { QStringLiteral("--esporta-calendario"), QStringLiteral("0000"), QStringLiteral("x.ics") }
            << QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.\n");
        QTest::newRow("no calendar file") << QStringList { QStringLiteral("--esporta-calendario"), QStringLiteral("2025") }
                                          << QStringLiteral("Attenzione: indicare il file del calendario da scrivere.\n");
        QTest::newRow("two tasks")
            << QStringList { QStringLiteral("--backup"), QStringLiteral("a.zip"), QStringLiteral("--ripristina"), QStringLiteral("b.zip") }
            << QStringLiteral("Attenzione: indicare una sola operazione per volta.\n");
        QTest::newRow("no archive named") << QStringList { QStringLiteral("--backup") }
                                          << QString::fromUtf8("Attenzione: la riga di comando non è valida; zampora --help elenca le opzioni.\n");
    }
    void mistakes_areRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Outcome outcome = run(arguments);
        QCOMPARE(outcome.status, 2);
        QCOMPARE(outcome.err, message);
    }
};

QTEST_GUILESS_MAIN(tst_CommandLineTasks)
#include "tst_commandlinetasks.moc"
