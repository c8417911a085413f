#include "storage/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

// Which folder a start uses, and how an empty one is made ready from the
// files the installation ships.
class tst_ProgramFolder : public QObject
{
    Q_OBJECT

    const QStringList shipped
        = { QStringLiteral("Avviso.mp3"), QStringLiteral("Guida.pdf"), QStringLiteral("unins000.dll") };

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

private Q_SLOTS:
    void chosenFolder_data()
    {
        QTest::addColumn<QString>("named");
        QTest::addColumn<FolderHome>("home");
        QTest::addColumn<QString>("dataHome"); // "<unset>" leaves XDG_DATA_HOME out
        QTest::addColumn<QString>("expected");
        const QString unset = QStringLiteral("<unset>");
        const QString cwd = QDir::currentPath();
        QTest::newRow("portable") << QString() << FolderHome::BesideProgram << QStringLiteral("/data")
                                  << QStringLiteral("/opt/zampora");
        QTest::newRow("named wins over portable") << QStringLiteral("/srv/cani") << FolderHome::BesideProgram
                                                  << unset << QStringLiteral("/srv/cani");
        QTest::newRow("named wins over per-user") << QStringLiteral("/srv/cani/") << FolderHome::PerUser
                                                  << QStringLiteral("/data") << QStringLiteral("/srv/cani");
        QTest::newRow("named relative to the start")
            << QStringLiteral("archivi") << FolderHome::PerUser << unset << cwd + QStringLiteral("/archivi");
        QTest::newRow("per-user data home") << QString() << FolderHome::PerUser << QStringLiteral("/data/")
                                            << QStringLiteral("/data/zampora");
        QTest::newRow("per-user default")
            << QString() << FolderHome::PerUser << unset << QStringLiteral("/home/anna/.local/share/zampora");
        QTest::newRow("per-user empty data home") << QString() << FolderHome::PerUser << QString()
                                                  << QStringLiteral("/home/anna/.local/share/zampora");
        QTest::newRow("per-user relative data home ignored")
            << QString() << FolderHome::PerUser << QStringLiteral("dati")
            << QStringLiteral("/home/anna/.local/share/zampora");
    }

    void chosenFolder()
    {
        QFETCH(QString, named);
        QFETCH(FolderHome, home);
        QFETCH(QString, dataHome);
        QFETCH(QString, expected);
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("HOME"), QStringLiteral("/home/anna"));
        if (dataHome != QLatin1String("<unset>"))
            environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        QCOMPARE(chooseProgramFolder(named, home, QStringLiteral("/opt/zampora/"), environment), expected);
    }

    void fillCopiesWhatIsMissingAndKeepsTheUsersFiles()
    {
        QTemporaryDir root;
        const QString templates = root.filePath(QStringLiteral("share/zampora"));
        QVERIFY(QDir().mkpath(templates));
        write(templates + QStringLiteral("/Avviso.mp3"), "chime");
        write(templates + QStringLiteral("/Guida.pdf"), "%PDF manual");
        write(templates + QStringLiteral("/unins000.dll"), "[pwd]\ninitial");
        // Installed templates are read-only to the user.
        QFile::setPermissions(templates + QStringLiteral("/unins000.dll"),
            QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);

        const QString folder = root.filePath(QStringLiteral("home/.local/share/zampora"));
        QVERIFY(QDir().mkpath(folder));
        write(folder + QStringLiteral("/unins000.dll"), "[pwd]\nchosen by the user");
        QVERIFY(QFile::link(QStringLiteral("/nowhere/Avviso.mp3"), folder + QStringLiteral("/Avviso.mp3")));

        QCOMPARE(fillFromTemplates({ templates }, shipped, folder), QStringList());
        QCOMPARE(read(folder + QStringLiteral("/unins000.dll")), QByteArray("[pwd]\nchosen by the user"));
        QVERIFY(QFileInfo(folder + QStringLiteral("/Avviso.mp3")).isSymLink());
        QCOMPARE(read(folder + QStringLiteral("/Guida.pdf")), QByteArray("%PDF manual"));

        // A fresh folder, missing parents and all, gets every template,
        // the settings file writable so that the password can change.
        const QString fresh = root.filePath(QStringLiteral("fresh/a/b"));
        QCOMPARE(fillFromTemplates({ templates }, shipped, fresh), QStringList());
        QCOMPARE(QDir(fresh).entryList(QDir::Files, QDir::Name), shipped);
        QCOMPARE(read(fresh + QStringLiteral("/unins000.dll")), QByteArray("[pwd]\ninitial"));
        QVERIFY(QFile::permissions(fresh + QStringLiteral("/unins000.dll")) & QFileDevice::WriteOwner);
    }

    // Whoever can delete the settings file of a folder with data must not
    // get in with the initial password: only a new folder receives it.
    void fillGivesTheSettingsFileOnlyToANewFolder_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<bool>("settingsCopied");
        QTest::newRow("empty folder") << QString() << true;
        QTest::newRow("only unrelated files") << QStringLiteral("Appunti.txt") << true;
        QTest::newRow("only a photo folder") << QStringLiteral("Album/Cane_1.jpg") << true;
        QTest::newRow("dog archive") << QStringLiteral("Anagrafica_Cani.pro") << false;
        QTest::newRow("owner archive") << QStringLiteral("Proprietari.pro") << false;
        QTest::newRow("year file") << QStringLiteral("2025.sca") << false;
        QTest::newRow("cost file") << QStringLiteral("Costi_Cane_12.pro") << false;
        QTest::newRow("weight file") << QStringLiteral("Pesi_Cane_12.pro") << false;
        QTest::newRow("weight file's likeness") << QStringLiteral("Pesi_Cane_x.pro") << true;
    }
    void fillGivesTheSettingsFileOnlyToANewFolder()
    {
        QFETCH(QString, data);
        QFETCH(bool, settingsCopied);
        QTemporaryDir root;
        const QString templates = root.filePath(QStringLiteral("share"));
        QVERIFY(QDir().mkpath(templates));
        for (const QString &name : shipped)
            write(templates + u'/' + name, name.toUtf8());
        const QString folder = root.filePath(QStringLiteral("cartella"));
        if (!data.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(folder + u'/' + data).path()));
            write(folder + u'/' + data, "data");
        }
        QCOMPARE(isNewProgramFolder(folder), settingsCopied);

        fillFromTemplates({ templates }, shipped, folder);
        QCOMPARE(QFileInfo::exists(folder + QStringLiteral("/unins000.dll")), settingsCopied);
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/Guida.pdf")));
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/Avviso.mp3")));
    }

    // A program copied without its installed templates takes each shipped
    // file from beside itself.
    void fillTakesEachFileFromTheFirstFolderThatHasIt()
    {
        QTemporaryDir root;
        const QString installed = root.filePath(QStringLiteral("share/zampora"));
        const QString beside = root.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(installed) && QDir().mkpath(beside));
        write(installed + QStringLiteral("/Guida.pdf"), "installed manual");
        for (const QString &name : shipped)
            write(beside + u'/' + name, "beside " + name.toUtf8());
        const QString folder = root.filePath(QStringLiteral("cartella"));
        QCOMPARE(fillFromTemplates({ installed, beside }, shipped, folder), QStringList());
        QCOMPARE(read(folder + QStringLiteral("/Guida.pdf")), QByteArray("installed manual"));
        QCOMPARE(read(folder + QStringLiteral("/unins000.dll")), QByteArray("beside unins000.dll"));
    }

    void fillReportsWhatItCouldNotCopy()
    {
        QTemporaryDir root;
        write(root.filePath(QStringLiteral("Guida.pdf")), "%PDF");
        const QString folder = root.filePath(QStringLiteral("cartella"));
        QCOMPARE(fillFromTemplates({ root.filePath(QStringLiteral("none")), root.path() }, shipped, folder),
            QStringList({ QStringLiteral("Avviso.mp3"), QStringLiteral("unins000.dll") }));
        QVERIFY(QFileInfo(folder).isDir());

        write(root.filePath(QStringLiteral("blocker")), "a file, not a folder");
        // No folder can be made under a file, whoever runs the test.
        QCOMPARE(fillFromTemplates({ root.path() }, shipped, root.filePath(QStringLiteral("blocker/zampora"))), shipped);
    }

    // A file written whole onto one of these would destroy what the
    // program keeps, however the path names it.
    void keeps_data()
    {
        QTest::addColumn<QString>("target"); // relative to the scratch folder
        QTest::addColumn<bool>("kept");
        QTest::newRow("dog archive") << QStringLiteral("cartella/Anagrafica_Cani.pro") << true;
        QTest::newRow("year file not yet made") << QStringLiteral("cartella/2030.sca") << true;
        QTest::newRow("cost file") << QStringLiteral("cartella/Costi_Cane_3.pro") << true;
        QTest::newRow("weight file") << QStringLiteral("cartella/Pesi_Cane_3.pro") << true;
        QTest::newRow("settings") << QStringLiteral("cartella/unins000.dll") << true;
        QTest::newRow("manual") << QStringLiteral("cartella/Guida.pdf") << true;
        QTest::newRow("album photo") << QStringLiteral("cartella/Album/Cane_3.jpg") << true;
        QTest::newRow("data folder") << QStringLiteral("cartella/Documenti_Allegati") << true;
        QTest::newRow("the folder") << QStringLiteral("cartella") << true;
        QTest::newRow("through .. ") << QStringLiteral("altrove/../cartella/Proprietari.pro") << true;
        QTest::newRow("through a linked folder") << QStringLiteral("collegamento/Proprietari.pro") << true;
        QTest::newRow("a link to the archive") << QStringLiteral("altrove/archivio.zip") << true;
        QTest::newRow("a dangling link to a year") << QStringLiteral("altrove/anno.ics") << true;
        QTest::newRow("a new file beside the data") << QStringLiteral("cartella/copia.zip") << false;
        QTest::newRow("an attachment folder's new file") << QStringLiteral("cartella/Documenti_Allegati/copia.zip")
                                                         << false;
        QTest::newRow("elsewhere") << QStringLiteral("altrove/copia.zip") << false;
        QTest::newRow("a same-named file elsewhere") << QStringLiteral("altrove/Proprietari.pro") << false;
    }
    void keeps()
    {
        QFETCH(QString, target);
        QFETCH(bool, kept);
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("cartella"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/Documenti_Allegati")));
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("altrove"))));
        write(folder + QStringLiteral("/Proprietari.pro"), "owners");
        QVERIFY(QFile::link(folder, root.filePath(QStringLiteral("collegamento"))));
        QVERIFY(QFile::link(folder + QStringLiteral("/Proprietari.pro"), root.filePath(QStringLiteral("altrove/archivio.zip"))));
        QVERIFY(QFile::link(folder + QStringLiteral("/2031.sca"), root.filePath(QStringLiteral("altrove/anno.ics"))));
        QCOMPARE(ProgramFolder(folder).keeps(root.filePath(target)), kept);
    }
};

QTEST_GUILESS_MAIN(tst_ProgramFolder)
#include "tst_programfolder.moc"
