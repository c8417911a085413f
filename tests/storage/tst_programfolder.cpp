#include "storage/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

// Which folder a start uses, and how an empty one is made ready from the
// files the installation ships.
class tst_ProgramFolder : public QObject
{
    Q_OBJECT

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
        QVERIFY(QDir().mkpath(templates + QStringLiteral("/sub")));

        const QString folder = root.filePath(QStringLiteral("home/.local/share/zampora"));
        QVERIFY(QDir().mkpath(folder));
        write(folder + QStringLiteral("/unins000.dll"), "[pwd]\nchosen by the user");
        QVERIFY(QFile::link(QStringLiteral("/nowhere/Avviso.mp3"), folder + QStringLiteral("/Avviso.mp3")));

        QCOMPARE(fillFromTemplates(templates, folder), QStringList());
        QCOMPARE(read(folder + QStringLiteral("/unins000.dll")), QByteArray("[pwd]\nchosen by the user"));
        QVERIFY(QFileInfo(folder + QStringLiteral("/Avviso.mp3")).isSymLink());
        QCOMPARE(read(folder + QStringLiteral("/Guida.pdf")), QByteArray("%PDF manual"));
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/sub")));

        // A fresh folder, missing parents and all, gets every template,
        // the settings file writable so that the password can change.
        const QString fresh = root.filePath(QStringLiteral("fresh/a/b"));
        QCOMPARE(fillFromTemplates(templates, fresh), QStringList());
        QCOMPARE(QDir(fresh).entryList(QDir::Files, QDir::Name),
            QStringList({ QStringLiteral("Avviso.mp3"), QStringLiteral("Guida.pdf"),
                QStringLiteral("unins000.dll") }));
        QCOMPARE(read(fresh + QStringLiteral("/unins000.dll")), QByteArray("[pwd]\ninitial"));
        QVERIFY(QFile::permissions(fresh + QStringLiteral("/unins000.dll")) & QFileDevice::WriteOwner);
    }

    void fillWithoutTemplatesStillMakesTheFolder()
    {
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("cani"));
        QCOMPARE(fillFromTemplates(root.filePath(QStringLiteral("none")), folder), QStringList());
        QVERIFY(QFileInfo(folder).isDir());
    }

    void fillReportsWhatItCouldNotCopy()
    {
        QTemporaryDir root;
        write(root.filePath(QStringLiteral("Guida.pdf")), "%PDF");
        write(root.filePath(QStringLiteral("blocker")), "a file, not a folder");
        // No folder can be made under a file, whoever runs the test.
        QCOMPARE(fillFromTemplates(root.path(), root.filePath(QStringLiteral("blocker/zampora"))),
            QStringList({ QStringLiteral("Guida.pdf"), QStringLiteral("blocker") }));
    }
};

QTEST_GUILESS_MAIN(tst_ProgramFolder)
#include "tst_programfolder.moc"
