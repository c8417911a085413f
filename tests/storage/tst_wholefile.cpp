// A file written whole is the new content or the earlier one, whatever the
// disk does in between: never a cut file reported as written.
#include "storage/WholeFile.h"

#include "ChildProcess.h"
#include "SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QByteArray earlier = "the earlier content, which must survive";

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeEarlier(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(earlier), earlier.size());
}

QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class tst_WholeFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void written_replacesTheEarlierFileAndLeavesNothingBeside()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Calendario.ics"));
        writeEarlier(path);
        const QByteArray content(300'000, 'x');
        QCOMPARE(writeWholeFile(path, content), std::nullopt);
        QCOMPARE(contentOf(path), content);
        QCOMPARE(namesIn(folder.path()), QStringList { QStringLiteral("Calendario.ics") });
    }

    void contentThatCannotBeGiven_keepsTheEarlierFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Pedigree.pdf"));
        writeEarlier(path);
        const std::optional<QString> failure = writeWholeFile(path, [](QIODevice &device) {
            device.write("half a document");
            return false;
        });
        QVERIFY(failure);
        QCOMPARE(contentOf(path), earlier);
        QCOMPARE(namesIn(folder.path()), QStringList { QStringLiteral("Pedigree.pdf") });
    }

    // A real full file system: a small content fails only at the last flush,
    // which the toolkit's own commit does not look at; a large one fails
    // while it is written.
    void fullDisk_keepsTheEarlierFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("fails at the last flush") << 100;
        QTest::newRow("fails while written") << 300'000;
    }

    void fullDisk_keepsTheEarlierFile()
    {
        QFETCH(int, size);
        const SmallDisk disk;
        if (!disk.isMounted())
            QSKIP("mounting a small file system needs root");
        const QString path = disk.filePath(QStringLiteral("unins000.dll"));
        writeEarlier(path);
        disk.fill();
        QVERIFY(writeWholeFile(path, QByteArray(size, 'n')));
        QCOMPARE(contentOf(path), earlier);
        QCOMPARE(disk.entries(), QStringList { QStringLiteral("unins000.dll") });
    }

    // The same faults without root: a limit on the size of the files this
    // process writes makes the kernel refuse the bytes beyond it.
    void fileSizeLimit_keepsTheEarlierFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("limit");
        QTest::newRow("cut at the last flush") << 100 << 50;
        QTest::newRow("cut while written") << 300'000 << 100'000;
        QTest::newRow("no byte fits") << 10 << 0;
    }

    void fileSizeLimit_keepsTheEarlierFile()
    {
        QFETCH(int, size);
        QFETCH(int, limit);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Copia.zip"));
        writeEarlier(path);
        const int reported = inChild([&] {
            std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead of ending the process
            const rlimit bound { rlim_t(limit), rlim_t(limit) };
            if (::setrlimit(RLIMIT_FSIZE, &bound) != 0)
                return 98;
            return writeWholeFile(path, QByteArray(size, 'n')) ? 0 : 1;
        });
        QCOMPARE(reported, 0);
        QCOMPARE(contentOf(path), earlier);
        QCOMPARE(namesIn(folder.path()), QStringList { QStringLiteral("Copia.zip") });
    }
};

QTEST_GUILESS_MAIN(tst_WholeFile)
#include "tst_wholefile.moc"
