#include "backup/Backup.h"
#include "storage/ProgramFolder.h"
#include "storage/Record.h"
#include "storage/DiskWrites.h"
#include "storage/RecordFile.h"
#include "storage/RollbackJournal.h"
#include "storage/ScheduleRecord.h"

#include "ChildProcess.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <archive.h>
#include <archive_entry.h>

#include <functional>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>

namespace {

const QDateTime restoreMoment(QDate(2025, 3, 5), QTime(10, 30, 15));

QByteArray randomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Everything in a folder: each file's bytes, each folder as "<folder>", each
// link as where it points.
using Snapshot = QMap<QString, QByteArray>;
Snapshot snapshot(const QString &folder)
{
    Snapshot files;
    QDirIterator walk(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
        QDirIterator::Subdirectories);
    const QDir root(folder);
    while (walk.hasNext()) {
        const QFileInfo info = walk.nextFileInfo();
        const QString name = root.relativeFilePath(info.filePath());
        if (info.isSymLink()) {
            files.insert(name, "-> " + info.symLinkTarget().toUtf8());
        } else if (info.isDir()) {
            files.insert(name, "<folder>");
        } else {
            QFile file(info.filePath());
            file.open(QIODevice::ReadOnly);
            files.insert(name, file.readAll());
        }
    }
    return files;
}

Snapshot onlyData(const Snapshot &all)
{
    Snapshot data;
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        if (isTopLevelDataName(it.key().section(u'/', 0, 0)) && !it.value().startsWith("-> "))
            data.insert(it.key(), it.value());
    }
    return data;
}

// A ZIP written entry by entry, for archives the program would never write.
struct ZipEntry
{
    QByteArray name;
    QByteArray data;
    mode_t type = AE_IFREG;
    QByteArray linkTarget = {};
};

void writeZip(const QString &path, const QList<ZipEntry> &entries)
{
    archive *a = archive_write_new();
    archive_write_set_format_zip(a);
    archive_write_set_format_option(a, "zip", "compression", "store");
    QCOMPARE(archive_write_open_filename(a, QFile::encodeName(path).constData()), ARCHIVE_OK);
    for (const ZipEntry &z : entries) {
        archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, z.name.constData());
        archive_entry_set_filetype(entry, z.type);
        archive_entry_set_perm(entry, 0644);
        if (!z.linkTarget.isEmpty())
            archive_entry_set_symlink(entry, z.linkTarget.constData());
        archive_entry_set_size(entry, z.data.size());
        QCOMPARE(archive_write_header(a, entry), ARCHIVE_OK);
        if (!z.data.isEmpty())
            QCOMPARE(archive_write_data(a, z.data.constData(), z.data.size()), la_ssize_t(z.data.size()));
        archive_entry_free(entry);
    }
    QCOMPARE(archive_write_close(a), ARCHIVE_OK);
    archive_write_free(a);
}

// The manifest's line for a file, as a backup writes it.
QByteArray manifestLine(const QByteArray &name, const QByteArray &data)
{
    return "F " + QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex() + ' '
        + QByteArray::number(data.size()) + ' ' + name + '\n';
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Where a test asks a backup or restore to stop.
enum class StopAt { Start, HalfTheBytes, AfterTheLastFile };

bool reached(StopAt stopAt, const Backup::Progress &progress)
{
    switch (stopAt) {
    case StopAt::Start:
        return true;
    case StopAt::HalfTheBytes:
        return progress.done.bytes * 2 >= progress.total.bytes;
    case StopAt::AfterTheLastFile:
        return progress.done.files == progress.total.files;
    }
    return false;
}

void addStopPoints()
{
    QTest::addColumn<StopAt>("stopAt");
    QTest::newRow("before the first file") << StopAt::Start;
    QTest::newRow("half-way through a large file") << StopAt::HalfTheBytes;
    QTest::newRow("after the last file") << StopAt::AfterTheLastFile;
}

// Every report, in order, each climbing from the one before to what the work
// says it did.
void checkClimbs(const QList<Backup::Progress> &reports, const Backup::Totals &did)
{
    QVERIFY(!reports.isEmpty());
    for (qsizetype i = 1; i < reports.size(); ++i) {
        QVERIFY(reports[i].done.files >= reports[i - 1].done.files);
        QVERIFY(reports[i].done.bytes >= reports[i - 1].done.bytes);
    }
    for (const Backup::Progress &report : reports) {
        QCOMPARE(report.total.files, did.files);
        QCOMPARE(report.total.bytes, did.bytes);
    }
    QCOMPARE(reports.constLast().done.files, did.files);
    QCOMPARE(reports.constLast().done.bytes, did.bytes);
}

} // namespace

Q_DECLARE_METATYPE(StopAt)

class tst_Backup : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work;
    QString m_folder;
    QString m_zip;

    // A program folder with every kind of data, and with what is not data
    // beside it: the program, its sound and manual, unrelated files, a link
    // that is not data.
    void fillFolder(const QString &folder)
    {
        writeFile(folder + "/Anagrafica_Cani.pro", randomBytes(2 * 10857, 1));
        writeFile(folder + "/Proprietari.pro", randomBytes(3702 + 100, 2)); // with a trailing fragment
        writeFile(folder + "/2025.sca", randomBytes(3 * 1448, 3));
        writeFile(folder + "/2024.sca", {});
        writeFile(folder + "/Costi_Cane_1.pro", randomBytes(122 * 4, 4));
        writeFile(folder + "/Pesi_Cane_1.pro", randomBytes(123 * 3, 7));
        writeFile(folder + "/Libretti_Sanitari.pro", randomBytes(319 * 5, 14));
        writeFile(folder + "/unins000.dll", "[Password]\r\nValore=xyz\r\n");
        writeFile(folder + "/Album/Cane_1.jpg", randomBytes(300 * 1024, 5));
        QDir().mkpath(folder + "/Cartelle_Abbinate/Cane_1");
        writeFile(folder + "/Cartelle_Abbinate/Cane_2/Visita del 3 marzo.txt", "visita");
        writeFile(folder + QString::fromUtf8("/Documenti_Allegati/Certificato – Fido è già vaccinato.pdf"),
            randomBytes(5000, 6));
        writeFile(folder + "/zampora", "program");
        writeFile(folder + "/Avviso.mp3", "sound");
        writeFile(folder + "/Guida.pdf", "manual");
        writeFile(folder + "/25.sca", "not a year file");
        writeFile(folder + "/Appunti.txt", "not data");
        QFile::link(folder + "/Appunti.txt", folder + "/Collegamento.txt");
    }

    // A crash in the middle of saving the second dog card, as it leaves the
    // folder: the card half written, the journal with its earlier bytes.
    // Returns the archive as it was before the save.
    QByteArray interruptSaveOfTheSecondCard()
    {
        const QString archive = m_folder + "/Anagrafica_Cani.pro";
        const QByteArray earlier = readAll(archive);
        DiskWrites disk;
        RollbackJournal journal(archive, disk);
        if (!journal.begin(earlier.size(), 10857, QByteArrayView(earlier).sliced(10857, 10857)))
            return {};
        journal.abandon();
        QFile file(archive);
        file.open(QIODevice::ReadWrite);
        file.seek(10857);
        file.write(randomBytes(5000, 12));
        return earlier;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_work.isValid());
        m_folder = m_work.filePath(QString::fromLatin1(QTest::currentTestFunction()) + "/cartella");
        QDir(m_folder).removeRecursively();
        QDir().mkpath(m_folder);
        fillFolder(m_folder);
        m_zip = m_work.filePath(QString::fromLatin1(QTest::currentTestFunction()) + "/copia.zip");
    }

    void dataEntries_listsTheDataAlone()
    {
        const QStringList expected = {
            "2024.sca", "2025.sca", "Album/", "Album/Cane_1.jpg", "Anagrafica_Cani.pro", "Cartelle_Abbinate/",
            "Cartelle_Abbinate/Cane_1/", "Cartelle_Abbinate/Cane_2/", "Cartelle_Abbinate/Cane_2/Visita del 3 marzo.txt",
            "Costi_Cane_1.pro", "Documenti_Allegati/",
            QString::fromUtf8("Documenti_Allegati/Certificato – Fido è già vaccinato.pdf"), "Libretti_Sanitari.pro",
            "Pesi_Cane_1.pro", "Proprietari.pro", "unins000.dll",
        };
        QCOMPARE(Backup::dataEntries(m_folder), expected);
    }

    // The program reads and writes through a link among its data, but a
    // backup cannot hold what it points to: the backup is refused, naming the
    // link, and the earlier backup stays as it was.
    void linkAmongTheData_isRefusedAndKeepsTheEarlierBackup_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("toFolder");
        QTest::newRow("weight file") << "Pesi_Cane_2.pro" << false;
        QTest::newRow("dog archive") << "Anagrafica_Cani.pro" << false;
        QTest::newRow("album photo") << "Album/Cane_2.jpg" << false;
        QTest::newRow("a dog's folder") << "Cartelle_Abbinate/Cane_3" << true;
        QTest::newRow("the album itself") << "Album" << true;
    }

    void linkAmongTheData_isRefusedAndKeepsTheEarlierBackup()
    {
        QFETCH(QString, name);
        QFETCH(bool, toFolder);
        Backup::create(ProgramFolder(m_folder), m_zip);
        const QByteArray earlierBackup = snapshot(QFileInfo(m_zip).path()).value(QFileInfo(m_zip).fileName());
        const QString outside = m_work.filePath(QString::fromLatin1(QTest::currentDataTag()) + "/altrove");
        if (toFolder)
            writeFile(outside + "/foto.jpg", "outside");
        else
            writeFile(outside, randomBytes(123, 8));
        const QString linkPath = m_folder + u'/' + name;
        QDir(linkPath).removeRecursively();
        QFile::remove(linkPath);
        QVERIFY(QFile::link(outside, linkPath));
        try {
            Backup::create(ProgramFolder(m_folder), m_zip);
            QFAIL("a backup without the linked data was written");
        } catch (const Backup::Error &error) {
            QCOMPARE(error.message(),
                QString::fromUtf8("Attenzione: tra i dati del programma ci sono dei collegamenti ad altri file o "
                                  "cartelle, che la copia di sicurezza non può contenere: %1.\n\r\n\r"
                                  "Sostituire ogni collegamento con il file o la cartella a cui rimanda e ripetere "
                                  "la copia.\n\r\n\rLa copia di sicurezza non è stata creata.")
                    .arg(name));
        }
        QCOMPARE(snapshot(QFileInfo(m_zip).path()).value(QFileInfo(m_zip).fileName()), earlierBackup);
    }

    void roundTrip_restoresEveryByteAndKeepsWhatWasThere()
    {
        const Snapshot before = snapshot(m_folder);
        const Backup::Totals made = Backup::create(ProgramFolder(m_folder), m_zip);
        QCOMPARE(made.files, 11);
        QCOMPARE(Backup::verify(m_zip).bytes, made.bytes);

        // Work goes on after the backup: changed, removed and new data.
        writeFile(m_folder + "/2025.sca", randomBytes(4 * 1448, 9));
        writeFile(m_folder + "/Libretti_Sanitari.pro", randomBytes(319 * 6, 15));
        QVERIFY(QFile::remove(m_folder + "/Costi_Cane_1.pro"));
        writeFile(m_folder + "/2026.sca", randomBytes(1448, 10));
        writeFile(m_folder + "/Album/Cane_2.jpg", "new photo");
        const Snapshot afterwards = snapshot(m_folder);

        const Backup::Restored restored = Backup::restore(ProgramFolder(m_folder), m_zip, restoreMoment);
        const QString asideName = "Dati_prima_del_ripristino_2025-03-05_10-30-15";
        QCOMPARE(restored.asideFolder, QDir(m_folder).filePath(asideName));
        QCOMPARE(restored.totals.files, made.files);

        Snapshot now = snapshot(m_folder);
        Snapshot aside;
        for (auto it = now.begin(); it != now.end();) {
            if (it.key().startsWith(asideName)) {
                if (it.key() != asideName)
                    aside.insert(it.key().mid(asideName.size() + 1), it.value());
                it = now.erase(it);
            } else {
                ++it;
            }
        }
        // Data as at the backup; the rest of the folder untouched; the data
        // found before the restore whole in the dated folder.
        QCOMPARE(now, before);
        QCOMPARE(aside, onlyData(afterwards));
    }

    // A backup made before dogs had weight logs or health booklets holds
    // none: it is restored whole, and the files of that kind found are kept
    // aside with the other data.
    void olderBackupWithoutALogFile_isRestored_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("recordSize");
        QTest::addColumn<QString>("alsoNew"); // another file of the kind, made after the backup
        QTest::newRow("weight files") << "Pesi_Cane_1.pro" << 123 << "Pesi_Cane_2.pro";
        QTest::newRow("health booklets") << "Libretti_Sanitari.pro" << 319 << QString();
    }
    void olderBackupWithoutALogFile_isRestored()
    {
        QFETCH(QString, name);
        QFETCH(int, recordSize);
        QFETCH(QString, alsoNew);
        QVERIFY(QFile::remove(m_folder + '/' + name));
        const Snapshot before = snapshot(m_folder);
        Backup::create(ProgramFolder(m_folder), m_zip);
        writeFile(m_folder + '/' + name, randomBytes(recordSize, 11));
        if (!alsoNew.isEmpty())
            writeFile(m_folder + '/' + alsoNew, {});

        const Backup::Restored restored = Backup::restore(ProgramFolder(m_folder), m_zip, restoreMoment);
        QCOMPARE(restored.totals.files, 10);
        QVERIFY(!QFileInfo::exists(m_folder + '/' + name));
        QCOMPARE(readAll(restored.asideFolder + '/' + name), randomBytes(recordSize, 11));
        if (!alsoNew.isEmpty()) {
            QVERIFY(!QFileInfo::exists(m_folder + '/' + alsoNew));
            QVERIFY(QFileInfo::exists(restored.asideFolder + '/' + alsoNew));
        }
        const QString asideName = QFileInfo(restored.asideFolder).fileName();
        Snapshot now = snapshot(m_folder);
        now.removeIf([&](Snapshot::iterator entry) { return entry.key().startsWith(asideName); });
        QCOMPARE(now, before);
    }

    void restore_intoAFolderWithoutData()
    {
        Backup::create(ProgramFolder(m_folder), m_zip);
        const QString empty = m_work.filePath("vuota");
        QDir().mkpath(empty);
        const Backup::Restored restored = Backup::restore(ProgramFolder(empty), m_zip, restoreMoment);
        QVERIFY(restored.asideFolder.isEmpty());
        QCOMPARE(snapshot(empty), onlyData(snapshot(m_folder)));
    }

    void backup_keptAmongTheData_leavesItselfOut()
    {
        const QString inside = m_folder + "/Documenti_Allegati/copia.zip";
        writeFile(inside, "an older backup");
        const Backup::Totals made = Backup::create(ProgramFolder(m_folder), inside);
        QCOMPARE(made.files, 11);
        QCOMPARE(Backup::verify(inside).files, 11);
    }

    void damagedArchive_isRefusedAndChangesNothing_data()
    {
        QTest::addColumn<std::function<void(const QString &zip)>>("damage");
        QTest::addColumn<QString>("message");

        const QString unreadable = "Attenzione: il file scelto non è una copia di sicurezza leggibile";
        const QString mismatch = QString::fromUtf8("Attenzione: la copia di sicurezza è danneggiata: il file ");
        const QString forbidden = "Attenzione: la copia di sicurezza contiene un percorso non ammesso";
        const auto cut = [](qint64 bytesLeft) {
            return [bytesLeft](const QString &zip) {
                QFile file(zip);
                QVERIFY(file.resize(bytesLeft >= 0 ? bytesLeft : file.size() + bytesLeft));
            };
        };
        const auto flipAt = [](const QByteArray &marker, int offset) {
            return [marker, offset](const QString &zip) {
                QByteArray bytes = readAll(zip);
                const qsizetype at = bytes.indexOf(marker);
                QVERIFY(at >= 0);
                bytes[at + offset] = char(bytes[at + offset] ^ 0x20);
                writeFile(zip, bytes);
            };
        };
        const auto replaceWith = [](const QList<ZipEntry> &entries) {
            return [entries](const QString &zip) { writeZip(zip, entries); };
        };
        const QByteArray manifest = "Zampora copia di sicurezza 1\n";

        QTest::newRow("empty file") << std::function<void(const QString &)>(cut(0)) << unreadable;
        QTest::newRow("cut in half") << std::function<void(const QString &)>([cut](const QString &zip) {
            cut(QFileInfo(zip).size() / 2)(zip);
        }) << unreadable;
        QTest::newRow("last byte missing") << std::function<void(const QString &)>(cut(-1)) << unreadable;
        QTest::newRow("flipped byte in a photo")
            << std::function<void(const QString &)>([](const QString &zip) {
                   QByteArray bytes = readAll(zip);
                   const QByteArray photo = randomBytes(300 * 1024, 5);
                   const qsizetype at = bytes.indexOf(photo.left(64));
                   QVERIFY(at > 0);
                   bytes[at + 150000] = char(bytes[at + 150000] ^ 1);
                   writeFile(zip, bytes);
               })
            << unreadable;
        QTest::newRow("flipped byte in the manifest")
            << std::function<void(const QString &)>(flipAt("Zampora copia di sicurezza 1\nF ", 32))
            << unreadable;
        QTest::newRow("not a zip")
            << std::function<void(const QString &)>([](const QString &zip) { writeFile(zip, "Anagrafica\n"); })
            << unreadable;
        QTest::newRow("no manifest") << std::function<void(const QString &)>(replaceWith({ { "2025.sca", "x" } }))
                                     << QString::fromUtf8("Attenzione: il file scelto non è una copia di sicurezza di Zampora");
        QTest::newRow("file not in the manifest")
            << std::function<void(const QString &)>(replaceWith({ { "2025.sca", "x" }, { "Manifesto_copia.txt", manifest } }))
            << mismatch + "2025.sca";
        QTest::newRow("file of the manifest missing")
            << std::function<void(const QString &)>(replaceWith({ { "Manifesto_copia.txt",
                   manifest + "F " + QByteArray(64, 'a') + " 1 2025.sca\n" } }))
            << mismatch + "2025.sca";
        QTest::newRow("way up") << std::function<void(const QString &)>(replaceWith({ { "../fuori.sca", "x" } }))
                                << forbidden + " (../fuori.sca)";
        QTest::newRow("way up inside a data folder")
            << std::function<void(const QString &)>(replaceWith({ { "Album/../../fuori.jpg", "x" } }))
            << forbidden + " (Album/../../fuori.jpg)";
        QTest::newRow("absolute path")
            << std::function<void(const QString &)>(replaceWith({ { "/tmp/2025.sca", "x" } }))
            << forbidden + " (/tmp/2025.sca)";
        QTest::newRow("drive") << std::function<void(const QString &)>(replaceWith({ { "C:2025.sca", "x" } }))
                               << forbidden + " (C:2025.sca)";
        QTest::newRow("backslash")
            << std::function<void(const QString &)>(replaceWith({ { "Album\\..\\..\\x.jpg", "x" } }))
            << forbidden;
        QTest::newRow("not program data")
            << std::function<void(const QString &)>(replaceWith({ { "zampora", "a program" } }))
            << forbidden + " (zampora)";
        QTest::newRow("link")
            << std::function<void(const QString &)>(replaceWith({ { "Album/Cane_1.jpg", {}, AE_IFLNK, "/etc/passwd" } }))
            << forbidden + " (Album/Cane_1.jpg)";
        // Archives that are self-consistent line by line but not as a whole.
        const QByteArray year = "the year file";
        QTest::newRow("entry twice")
            << std::function<void(const QString &)>(replaceWith({ { "2025.sca", year }, { "2025.sca", year },
                   { "Manifesto_copia.txt", manifest + manifestLine("2025.sca", year) } }))
            << unreadable;
        QTest::newRow("manifest twice")
            << std::function<void(const QString &)>(replaceWith({ { "2025.sca", year },
                   { "Manifesto_copia.txt", manifest + manifestLine("2025.sca", year) },
                   { "Manifesto_copia.txt", manifest + manifestLine("2025.sca", year) } }))
            << unreadable;
        QTest::newRow("file turned into a folder")
            << std::function<void(const QString &)>(replaceWith({ { "Album/", {}, AE_IFDIR },
                   { "Album/Cane_1.jpg", {}, AE_IFDIR },
                   { "Manifesto_copia.txt", manifest + "D Album\n" + manifestLine("Album/Cane_1.jpg", year) } }))
            << mismatch + "Album/Cane_1.jpg";
        QTest::newRow("folder turned into a file")
            << std::function<void(const QString &)>(replaceWith({ { "Album/", {}, AE_IFDIR }, { "Album/Cane_1", year },
                   { "Manifesto_copia.txt", manifest + "D Album\nD Album/Cane_1\n" } }))
            << mismatch + "Album/Cane_1";
        QTest::newRow("size listed wrong")
            << std::function<void(const QString &)>(replaceWith({ { "2025.sca", year },
                   { "Manifesto_copia.txt", manifest + manifestLine("2025.sca", year + "x").replace(" 14 ", " 13 ") } }))
            << mismatch + "2025.sca";
    }

    void damagedArchive_isRefusedAndChangesNothing()
    {
        QFETCH(std::function<void(const QString &)>, damage);
        QFETCH(QString, message);
        Backup::create(ProgramFolder(m_folder), m_zip);
        damage(m_zip);
        const Snapshot before = snapshot(m_folder);
        try {
            Backup::restore(ProgramFolder(m_folder), m_zip, restoreMoment);
            QFAIL("the damaged archive was restored");
        } catch (const Backup::Error &error) {
            QVERIFY2(error.message().startsWith(message), qPrintable(error.message()));
            QVERIFY(error.message().endsWith(QString::fromUtf8("\n\r\n\rNessun dato è stato modificato.")));
        }
        QCOMPARE(snapshot(m_folder), before);
    }

    // Whatever byte is damaged, the restore either refuses or restores the
    // data exactly: it never puts wrong bytes in place.
    void anyFlippedByte_neverRestoresWrongData()
    {
        const QString small = m_work.filePath("piccola");
        writeFile(small + "/2025.sca", randomBytes(1448, 20));
        writeFile(small + "/Album/Cane_1.jpg", randomBytes(700, 21));
        Backup::create(ProgramFolder(small), m_zip);
        const Snapshot original = snapshot(small);
        const QByteArray good = readAll(m_zip);
        const QString target = m_work.filePath("bersaglio");
        int refused = 0;
        for (qsizetype at = 0; at < good.size(); at += 7) {
            QByteArray bad = good;
            bad[at] = char(bad[at] ^ 0x41);
            writeFile(m_zip, bad);
            QDir(target).removeRecursively();
            writeFile(target + "/2025.sca", "current");
            try {
                Backup::restore(ProgramFolder(target), m_zip, restoreMoment);
                Snapshot restored = snapshot(target);
                restored.removeIf([](auto it) { return it.key().startsWith("Dati_prima_del_ripristino"); });
                QVERIFY2(restored == original, qPrintable(QString::number(at)));
            } catch (const Backup::Error &) {
                ++refused;
                QCOMPARE(snapshot(target), (Snapshot { { "2025.sca", "current" } }));
            }
        }
        QVERIFY(refused > 0);
    }

    void interruptedRestore_leavesTheDataAsItWas_data()
    {
        QTest::addColumn<int>("failingMove");
        // Nine data items move aside, nine move into place.
        for (int move = 0; move < 18; ++move)
            QTest::addRow("move %d fails", move) << move;
    }

    void interruptedRestore_leavesTheDataAsItWas()
    {
        QFETCH(int, failingMove);
        Backup::create(ProgramFolder(m_folder), m_zip);
        writeFile(m_folder + "/2025.sca", "changed after the backup");
        writeFile(m_folder + "/2026.sca", "new after the backup");
        QVERIFY(QDir(m_folder + "/Cartelle_Abbinate").removeRecursively());
        const Snapshot before = snapshot(m_folder);

        int moves = 0;
        const Backup::Rename failing = [&](const QString &from, const QString &to) {
            return moves++ != failingMove && Backup::renameEntry(from, to);
        };
        try {
            Backup::restore(ProgramFolder(m_folder), m_zip, restoreMoment, failing);
            QFAIL("the restore went through");
        } catch (const Backup::Error &error) {
            QVERIFY2(error.message().startsWith("Attenzione: il ripristino è stato interrotto"), qPrintable(error.message()));
        }
        QVERIFY(moves > failingMove);
        QCOMPARE(snapshot(m_folder), before);
    }

    void interruptedRestore_thatCannotPutBack_saysWhereTheDataIs()
    {
        Backup::create(ProgramFolder(m_folder), m_zip);
        int moves = 0;
        // The fourth move fails, and so does putting back the first.
        const Backup::Rename failing = [&](const QString &from, const QString &to) {
            ++moves;
            return moves != 4 && !(moves > 4 && to.endsWith("/2024.sca")) && Backup::renameEntry(from, to);
        };
        try {
            Backup::restore(ProgramFolder(m_folder), m_zip, restoreMoment, failing);
            QFAIL("the restore went through");
        } catch (const Backup::Error &error) {
            const QString aside = QDir(m_folder).filePath("Dati_prima_del_ripristino_2025-03-05_10-30-15");
            QVERIFY2(error.message().endsWith(aside + '.'), qPrintable(error.message()));
            QCOMPARE(readAll(aside + "/2024.sca"), QByteArray());
            QVERIFY(QFileInfo::exists(aside + "/2024.sca"));
        }
    }

    // A copy of the program saving while the backup runs holds the record
    // file exclusively: the backup waits and copies the file after the save.
    void backup_readsARecordFileBetweenTwoSaves()
    {
        RecordFile saving;
        saving.openOrCreate(m_folder + "/2025.sca", ScheduleRecord::recordSize);
        Record entry(ScheduleRecord::layout());
        entry.setValue(ScheduleRecord::Dettagli, u"Vaccino");
        QThread *saver = QThread::create([&] {
            QThread::msleep(300);
            saving.seekRecord(saving.recordCount());
            saving.writeNext(entry);
            saving.closeFile();
        });
        saver->start();
        Backup::create(ProgramFolder(m_folder), m_zip);
        saver->wait();
        delete saver;

        const QString copy = m_work.filePath("copia_letta");
        QDir().mkpath(copy);
        Backup::restore(ProgramFolder(copy), m_zip, restoreMoment);
        QCOMPARE(readAll(copy + "/2025.sca"), readAll(m_folder + "/2025.sca"));
        QCOMPARE(readAll(copy + "/2025.sca").size(), 4 * 1448);
    }

    void backup_thatCannotReadAFile_leavesTheOldBackupAlone()
    {
        writeFile(m_zip, "the previous backup");
        RecordFile held; // held by another copy of the program beyond the wait
        held.openOrCreate(m_folder + "/Proprietari.pro", 3702);
        try {
            Backup::create(ProgramFolder(m_folder), m_zip);
            QFAIL("the backup went through");
        } catch (const Backup::Error &error) {
            QCOMPARE(error.message(),
                QString::fromUtf8("Attenzione: non è stato possibile leggere il file Proprietari.pro.\n\r\n\r"
                                  "La copia di sicurezza non è stata creata."));
        }
        QCOMPARE(readAll(m_zip), QByteArray("the previous backup"));
        QCOMPARE(QDir(QFileInfo(m_zip).path()).entryList(QDir::Files), QStringList { "copia.zip" });
    }

    // Whatever stands at the staging folder's name is the program's to
    // clear, but only there: a link is removed as a link, never followed.
    void stagingFolderLinkedElsewhere_leavesTheOtherFolderAlone()
    {
        Backup::create(ProgramFolder(m_folder), m_zip);
        const QString elsewhere = m_work.filePath("altrove");
        writeFile(elsewhere + "/Tesi.odt", "the user's own work");
        QVERIFY(QFile::link(elsewhere, m_folder + "/.zampora_ripristino"));

        Backup::restore(ProgramFolder(m_folder), m_zip, restoreMoment);
        QCOMPARE(snapshot(elsewhere), (Snapshot { { "Tesi.odt", "the user's own work" } }));
        QVERIFY(!QFileInfo(m_folder + "/.zampora_ripristino").isSymLink());
        QVERIFY(!QFileInfo::exists(m_folder + "/.zampora_ripristino"));
    }

    void stagingFolderLeftByACrash_isRemovedAtTheNextStart()
    {
        writeFile(m_folder + "/.zampora_ripristino/Album/Cane_7.jpg", randomBytes(100 * 1024, 11));
        const QString elsewhere = m_work.filePath("altrove");
        writeFile(elsewhere + "/Tesi.odt", "the user's own work");
        QVERIFY(QFile::link(elsewhere, m_folder + "/.zampora_ripristino/Album/collegamento"));
        const Snapshot data = onlyData(snapshot(m_folder));

        Backup::removeUnfinishedRestore(m_folder);
        QVERIFY(!QFileInfo::exists(m_folder + "/.zampora_ripristino"));
        QCOMPARE(onlyData(snapshot(m_folder)), data);
        QCOMPARE(snapshot(elsewhere), (Snapshot { { "Tesi.odt", "the user's own work" } }));
    }

    // Another copy of the program restoring into the same folder holds its
    // staging folder: a start leaves it be and a second restore refuses.
    void stagingFolderOfARunningRestore_isLeftAlone()
    {
        Backup::create(ProgramFolder(m_folder), m_zip);
        writeFile(m_folder + "/.zampora_ripristino/2025.sca", "being unpacked");
        const int held = ::open(QFile::encodeName(m_folder + "/.zampora_ripristino").constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
        const Snapshot before = snapshot(m_folder);

        Backup::removeUnfinishedRestore(m_folder);
        try {
            Backup::restore(ProgramFolder(m_folder), m_zip, restoreMoment);
            QFAIL("a second restore went through");
        } catch (const Backup::Error &error) {
            QCOMPARE(error.message(),
                QString::fromUtf8("Attenzione: un altro ripristino è in corso nella cartella del programma.\n\r\n\r"
                                  "Nessun dato è stato modificato."));
        }
        ::close(held);
        QCOMPARE(snapshot(m_folder), before);
    }

    // A copy of the program saving into a record file holds it: a restore
    // that moved the file aside under it would lose that save.
    void recordFileHeldByAnotherCopy_refusesTheRestore_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("recordSize");
        QTest::newRow("dog archive") << "Anagrafica_Cani.pro" << 10857;
        QTest::newRow("weight file") << "Pesi_Cane_1.pro" << 123;
        QTest::newRow("health booklets") << "Libretti_Sanitari.pro" << 319;
    }
    void recordFileHeldByAnotherCopy_refusesTheRestore()
    {
        QFETCH(QString, name);
        QFETCH(int, recordSize);
        Backup::create(ProgramFolder(m_folder), m_zip);
        const Snapshot before = snapshot(m_folder);
        const QString locked = m_work.filePath("bloccato");
        QFile::remove(locked); // left by the row before
        const pid_t other = startChild([&] {
            RecordFile held;
            held.openOrCreate(m_folder + '/' + name, recordSize);
            writeFile(locked, {});
            QThread::sleep(4); // beyond the two seconds a restore waits
            return 0;
        });
        QTRY_VERIFY(QFileInfo::exists(locked));
        try {
            Backup::restore(ProgramFolder(m_folder), m_zip, restoreMoment);
            QFAIL("the restore went through");
        } catch (const Backup::Error &error) {
            QVERIFY2(error.message().startsWith(
                         QString::fromUtf8("Attenzione: il file %1 è in uso in un'altra copia").arg(name)),
                qPrintable(error.message()));
        }
        QCOMPARE(waitChild(other), 0);
        QCOMPARE(snapshot(m_folder), before);
    }

    // However its path names it, no file the program keeps is replaced by a
    // backup.
    void backupOntoAKeptFile_isRefused_data()
    {
        QTest::addColumn<QString>("target"); // relative to the scratch folder
        QTest::addColumn<QString>("kept");   // relative to the program folder
        QTest::newRow("dog archive") << "cartella/Anagrafica_Cani.pro" << "Anagrafica_Cani.pro";
        QTest::newRow("year file through a linked folder") << "collegamento/2025.sca" << "2025.sca";
        QTest::newRow("settings file through a link") << "impostazioni.zip" << "unins000.dll";
        QTest::newRow("album photo") << "cartella/Album/Cane_1.jpg" << "Album/Cane_1.jpg";
        QTest::newRow("weight file") << "cartella/Pesi_Cane_1.pro" << "Pesi_Cane_1.pro";
    }
    void backupOntoAKeptFile_isRefused()
    {
        QFETCH(QString, target);
        QFETCH(QString, kept);
        const QString scratch = QFileInfo(m_folder).path();
        QFile::remove(scratch + "/collegamento"); // left by the row before
        QFile::remove(scratch + "/impostazioni.zip");
        QVERIFY(QFile::link(m_folder, scratch + "/collegamento"));
        QVERIFY(QFile::link(m_folder + "/unins000.dll", scratch + "/impostazioni.zip"));
        const QByteArray before = readAll(m_folder + '/' + kept);
        try {
            Backup::create(ProgramFolder(m_folder), scratch + '/' + target);
            QFAIL("the backup replaced a file the program keeps");
        } catch (const Backup::Error &error) {
            QCOMPARE(error.message(), keptFileMessage(scratch + '/' + target));
        }
        QCOMPARE(readAll(m_folder + '/' + kept), before);
    }

    // Stopped anywhere before its rename, a backup leaves the earlier one byte
    // for byte and nothing beside it.
    void stoppedBackup_keepsTheEarlierOne_data() { addStopPoints(); }
    void stoppedBackup_keepsTheEarlierOne()
    {
        QFETCH(StopAt, stopAt);
        writeFile(m_folder + "/Album/Cane_2.jpg", randomBytes(3 << 20, 8)); // read in several pieces
        writeFile(m_zip, "the previous backup");
        std::optional<Backup::Progress> stoppedAt;
        try {
            Backup::create(ProgramFolder(m_folder), m_zip, [&](const Backup::Progress &progress) {
                if (reached(stopAt, progress))
                    stoppedAt = progress;
                return !stoppedAt;
            });
            QFAIL("the backup went through");
        } catch (const Backup::Cancelled &) {
        }
        QVERIFY(stoppedAt);
        QCOMPARE(stoppedAt->stage, Backup::Progress::Stage::Copying);
        if (stopAt == StopAt::HalfTheBytes)
            QVERIFY(stoppedAt->done.files < stoppedAt->total.files);
        QCOMPARE(readAll(m_zip), QByteArray("the previous backup"));
        QCOMPARE(QDir(QFileInfo(m_zip).path()).entryList(QDir::Files | QDir::Hidden), QStringList { "copia.zip" });
    }

    // Stopped anywhere before the swap, a restore leaves the folder as it was:
    // no staging folder, no dated folder, every record file free again.
    void stoppedRestore_leavesTheDataAsItWas_data() { addStopPoints(); }
    void stoppedRestore_leavesTheDataAsItWas()
    {
        QFETCH(StopAt, stopAt);
        writeFile(m_folder + "/Album/Cane_2.jpg", randomBytes(3 << 20, 8));
        Backup::create(ProgramFolder(m_folder), m_zip);
        writeFile(m_folder + "/2025.sca", "changed after the backup");
        QVERIFY(QFile::remove(m_folder + "/Album/Cane_2.jpg"));
        const Snapshot before = snapshot(m_folder);
        std::optional<Backup::Progress> stoppedAt;
        try {
            Backup::restore(ProgramFolder(m_folder), m_zip, restoreMoment, Backup::renameEntry,
                [&](const Backup::Progress &progress) {
                    if (reached(stopAt, progress))
                        stoppedAt = progress;
                    return !stoppedAt;
                });
            QFAIL("the restore went through");
        } catch (const Backup::Cancelled &) {
        }
        QVERIFY(stoppedAt);
        QCOMPARE(stoppedAt->stage, Backup::Progress::Stage::Unpacking);
        QCOMPARE(snapshot(m_folder), before);
        RecordFile year;
        year.openOrCreate(m_folder + "/2025.sca", ScheduleRecord::recordSize);
        year.seekRecord(0);
        year.writeNext(Record(ScheduleRecord::layout())); // under the lock a save takes
    }

    // The progress climbs to what the work did. Once the swap begins there is
    // no stopping: asked then, the restore goes on to its end.
    void progress_climbsToTheEnd_andTheSwapIsNeverStopped()
    {
        QList<Backup::Progress> copying;
        const Backup::Totals written = Backup::create(ProgramFolder(m_folder), m_zip, [&](const Backup::Progress &p) {
            copying.append(p);
            return true;
        });
        checkClimbs(copying, written);

        writeFile(m_folder + "/2025.sca", "changed after the backup");
        QList<Backup::Progress> restoring;
        const Backup::Restored restored = Backup::restore(ProgramFolder(m_folder), m_zip, restoreMoment,
            Backup::renameEntry, [&](const Backup::Progress &p) {
                restoring.append(p);
                return p.stage != Backup::Progress::Stage::Swapping;
            });
        QCOMPARE(restoring.constLast().stage, Backup::Progress::Stage::Swapping);
        restoring.removeLast();
        checkClimbs(restoring, restored.totals);
        QCOMPARE(restored.totals.files, written.files);
        QCOMPARE(readAll(m_folder + "/2025.sca").size(), 3 * 1448);
    }

    // Named through a linked folder, the previous backup among the data is
    // still recognised and left out: backups do not grow one into the next.
    void backupKeptAmongTheDataThroughALinkedFolder_leavesItselfOut()
    {
        const QString linked = QFileInfo(m_folder).path() + "/collegamento";
        QVERIFY(QFile::link(m_folder, linked));
        const QString inside = linked + "/Documenti_Allegati/copia.zip";
        Backup::create(ProgramFolder(m_folder), inside);
        const qint64 first = QFileInfo(inside).size();
        QCOMPARE(Backup::create(ProgramFolder(m_folder), inside).files, 11);
        QCOMPARE(QFileInfo(inside).size(), first);
    }

    // A restore ended by a crash or a power cut before any rename of its
    // swap, or after any: the next start puts the data found back in place
    // and removes what the restore had unpacked, so the folder is as before.
    void crashDuringTheSwap_leavesTheDataAsItWasAfterTheNextStart_data()
    {
        QTest::addColumn<int>("rename");
        QTest::addColumn<bool>("afterIt");
        QTemporaryDir scratch;
        fillFolder(scratch.path());
        const QString zip = scratch.filePath("copia.zip");
        Backup::create(ProgramFolder(scratch.path()), zip);
        int renames = 0;
        Backup::restore(ProgramFolder(scratch.path()), zip, restoreMoment, [&](const QString &from, const QString &to) {
            ++renames;
            return Backup::renameEntry(from, to);
        });
        for (int k = 1; k <= renames; ++k)
            QTest::addRow("ended before rename %d of %d", k, renames) << k << false;
        QTest::addRow("ended after the last rename") << renames << true;
    }
    void crashDuringTheSwap_leavesTheDataAsItWasAfterTheNextStart()
    {
        QFETCH(int, rename);
        QFETCH(bool, afterIt);
        constexpr int crashed = 42;
        Backup::create(ProgramFolder(m_folder), m_zip);
        writeFile(m_folder + "/2025.sca", randomBytes(4 * 1448, 9));
        QVERIFY(QFile::remove(m_folder + "/Costi_Cane_1.pro"));
        writeFile(m_folder + "/2026.sca", randomBytes(1448, 10));
        const Snapshot before = snapshot(m_folder);
        const int code = inChild([&] {
            int renames = 0;
            Backup::restore(ProgramFolder(m_folder), m_zip, restoreMoment, [&](const QString &from, const QString &to) {
                if (++renames == rename && !afterIt)
                    ::_exit(crashed);
                const bool renamed = Backup::renameEntry(from, to);
                if (renames == rename)
                    ::_exit(crashed);
                return renamed;
            });
            return 0;
        });
        QCOMPARE(code, crashed);
        Backup::removeUnfinishedRestore(m_folder);
        QCOMPARE(snapshot(m_folder), before);
    }

    // A journal goes into a backup, with its record file under one hold, only
    // when it still has a change to undo: restored, the two give back the
    // archive as it was before the interrupted save.
    void journalLeftByACrash_isBackedUpAndUndoneAfterTheRestore()
    {
        writeFile(m_folder + "/.Proprietari.pro.journal", "torn");
        const QByteArray earlier = interruptSaveOfTheSecondCard();
        QVERIFY(!earlier.isEmpty());
        QVERIFY(Backup::dataEntries(m_folder).contains(".Anagrafica_Cani.pro.journal"));
        QVERIFY(!Backup::dataEntries(m_folder).contains(".Proprietari.pro.journal"));
        QCOMPARE(Backup::create(ProgramFolder(m_folder), m_zip).files, 12);

        const QString empty = m_work.filePath("vuota");
        QDir(empty).removeRecursively();
        QDir().mkpath(empty);
        Backup::restore(ProgramFolder(empty), m_zip, restoreMoment);
        QVERIFY(!QFileInfo::exists(empty + "/.Proprietari.pro.journal"));
        RecordFile archive;
        archive.openOrCreate(empty + "/Anagrafica_Cani.pro", 10857);
        archive.closeFile();
        QCOMPARE(readAll(empty + "/Anagrafica_Cani.pro"), earlier);
        QVERIFY(!QFileInfo::exists(empty + "/.Anagrafica_Cani.pro.journal"));
    }

    // Moved aside with the data, a change a crash interrupted would never be
    // undone: the restore is refused, naming the file, until a start of the
    // program has undone it.
    void changeLeftByACrash_refusesTheRestoreUntilTheNextStart()
    {
        Backup::create(ProgramFolder(m_folder), m_zip);
        const QByteArray earlier = interruptSaveOfTheSecondCard();
        const Snapshot before = snapshot(m_folder);
        try {
            Backup::restore(ProgramFolder(m_folder), m_zip, restoreMoment);
            QFAIL("the restore went through");
        } catch (const Backup::Error &error) {
            QCOMPARE(error.message(),
                QString::fromUtf8("Attenzione: il file Anagrafica_Cani.pro è rimasto a metà di un salvataggio "
                                  "interrotto (il programma si è chiuso o è mancata la corrente) e va prima riportato "
                                  "com'era. Chiudere il programma, riavviarlo e ripetere il ripristino.\n\r\n\r"
                                  "Nessun dato è stato modificato."));
        }
        QCOMPARE(snapshot(m_folder), before);

        recoverInterruptedChanges(m_folder);
        QCOMPARE(readAll(m_folder + "/Anagrafica_Cani.pro"), earlier);
        const Backup::Restored restored = Backup::restore(ProgramFolder(m_folder), m_zip, restoreMoment);
        QCOMPARE(readAll(restored.asideFolder + "/Anagrafica_Cani.pro"), earlier);
    }
};

QTEST_GUILESS_MAIN(tst_Backup)
#include "tst_backup.moc"
