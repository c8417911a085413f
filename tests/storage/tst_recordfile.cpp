#include "storage/CostRecord.h"
#include "storage/FileLock.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/RollbackJournal.h"

#include "ChildProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <utility>

namespace {

constexpr int R = CostRecord::recordSize;

// Exit codes of the children.
constexpr int threwRecordFileError = 0;
constexpr int succeeded = 1;

template<typename Action> int outcome(Action action)
{
    try {
        action();
    } catch (const RecordFileError &) {
        return threwRecordFileError;
    }
    return succeeded;
}

/// Opens the file in a child that meets permission bits; the child's outcome.
int openWithoutPrivileges(const QString &file)
{
    return inChild([&] {
        if (!dropPrivileges())
            return 98;
        return outcome([&] {
            RecordFile recordFile;
            recordFile.openOrCreate(file, R);
        });
    });
}

Record costRecord(const QString &reason)
{
    Record record(CostRecord::layout());
    record.setValue(CostRecord::Causale, reason);
    return record;
}

QByteArray recordBytes(const QString &reason)
{
    return costRecord(reason).bytes();
}

/// A record file on a disk that fails when told to: the next flushes, the
/// next write after letting some of its bytes through, the writes after it.
class FailingRecordFile : public RecordFile
{
public:
    int failingFlushes = 0;
    std::optional<qint64> tearNextWriteAfter;
    int failingWritesAfterTheTear = 0;

protected:
    // Only the records' file fails: its journal is written as usual.
    qint64 writeAt(QFile &file, qint64 offset, const char *data, qint64 size) override
    {
        if (!isRecords(file))
            return RecordFile::writeAt(file, offset, data, size);
        if (!tearNextWriteAfter) {
            if (failingWritesAfterTheTear == 0)
                return RecordFile::writeAt(file, offset, data, size);
            --failingWritesAfterTheTear;
            return -1;
        }
        const qint64 through = *std::exchange(tearNextWriteAfter, std::nullopt);
        RecordFile::writeAt(file, offset, data, through);
        return through;
    }

    bool syncData(QFile &file) override
    {
        if (failingFlushes == 0 || !isRecords(file))
            return RecordFile::syncData(file);
        --failingFlushes;
        return false;
    }

private:
    static bool isRecords(const QFile &file) { return !file.fileName().endsWith(QLatin1String(".journal")); }
};

enum class Fault { TornWrite, TornWriteNotPutBack, FailedFlush, FailedFlushAndUndo };

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestRecordFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void accessMessage_isTheProgramsText();
    void missingFile_isCreatedEmpty();
    void missingFolder_fails();
    void recordCount_ignoresTrailingFragment_data();
    void recordCount_ignoresTrailingFragment();
    void scan_readsRecordsInPositionOrder();
    void readPastTheEnd_fails();
    void seekPastTheEnd_fails();
    void appendOverTrailingFragment_keepsEarlierRecords();
    void replace_leavesEveryOtherByteUnchanged();
    void readOnlyFile_failsAndIsNeverReplaced();
    void pathThatIsAFolder_fails();
    void readOnlyFolder_failsAndCreatesNothing();
    void fullDisk_appendFails_fileUnchanged_data();
    void fullDisk_appendFails_fileUnchanged();
    void failedWriteOrFlush_leavesTheFileAsItWas_data();
    void failedWriteOrFlush_leavesTheFileAsItWas();
    void twoProgramsAppending_keepEveryRecord();
    void lockHeldLongerThanTheWait_secondOpenerFails();
    void lockReleasedWithinTheWait_secondOpenerGoesOn();
    void fileMovedAsideWhileWaiting_theOpenerWritesTheFileNowThere();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Costi_Cane_1.pro")); }
    void writeFile(const QByteArray &bytes) const;
    QByteArray readFile() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRecordFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Unprivileged children must reach the folder.
    QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0755) == 0);
}

void TestRecordFile::writeFile(const QByteArray &bytes) const
{
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestRecordFile::readFile() const
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void TestRecordFile::accessMessage_isTheProgramsText()
{
    QCOMPARE(accessMessage(),
        QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                       "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                       "installazione del programma."));
}

void TestRecordFile::missingFile_isCreatedEmpty()
{
    RecordFile file;
    file.openOrCreate(path(), R);
    QCOMPARE(file.recordCount(), 0);
    QVERIFY(file.atEnd());
    file.closeFile();
    QVERIFY(QFile::exists(path()));
    QCOMPARE(QFileInfo(path()).size(), 0);
}

void TestRecordFile::missingFolder_fails()
{
    RecordFile file;
    QVERIFY_THROWS_EXCEPTION(
        RecordFileError, file.openOrCreate(m_dir->filePath(QStringLiteral("none/x.pro")), R));
}

void TestRecordFile::recordCount_ignoresTrailingFragment_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << 0 << 0;
    QTest::newRow("fragment only") << R - 1 << 0;
    QTest::newRow("one record") << R << 1;
    QTest::newRow("two records and a fragment") << 2 * R + 5 << 2;
}

void TestRecordFile::recordCount_ignoresTrailingFragment()
{
    QFETCH(int, size);
    QFETCH(int, count);
    writeFile(QByteArray(size, 'x'));
    RecordFile file;
    file.openOrCreate(path(), R);
    QCOMPARE(file.recordCount(), count);
}

void TestRecordFile::scan_readsRecordsInPositionOrder()
{
    writeFile(recordBytes(QStringLiteral("a")) + recordBytes(QStringLiteral("b"))
        + recordBytes(QStringLiteral("c")) + "frag");
    RecordFile file;
    file.openOrCreate(path(), R);
    Record record(CostRecord::layout());
    QStringList seen;
    while (!file.atEnd()) {
        file.readNext(record);
        seen << QStringLiteral("%1:%2").arg(file.currentIndex()).arg(record.value(CostRecord::Causale));
    }
    QCOMPARE(seen, QStringList({ QStringLiteral("1:a"), QStringLiteral("2:b"), QStringLiteral("3:c") }));

    file.seekRecord(1);
    file.readNext(record);
    QCOMPARE(record.value(CostRecord::Causale), QStringLiteral("b"));
}

void TestRecordFile::readPastTheEnd_fails()
{
    writeFile(recordBytes(QStringLiteral("a")) + "frag");
    RecordFile file;
    file.openOrCreate(path(), R);
    Record record(CostRecord::layout());
    file.readNext(record);
    QVERIFY_THROWS_EXCEPTION(RecordFileError, file.readNext(record));
}

void TestRecordFile::seekPastTheEnd_fails()
{
    RecordFile file;
    file.openOrCreate(path(), R);
    file.seekRecord(0);
    QVERIFY_THROWS_EXCEPTION(RecordFileError, file.seekRecord(1));
    QVERIFY_THROWS_EXCEPTION(RecordFileError, file.seekRecord(-1));
}

void TestRecordFile::appendOverTrailingFragment_keepsEarlierRecords()
{
    const QByteArray first = recordBytes(QStringLiteral("first"));
    writeFile(first + "interrupted write");
    RecordFile file;
    file.openOrCreate(path(), R);
    file.seekRecord(file.recordCount());
    file.writeNext(costRecord(QStringLiteral("second")));
    QCOMPARE(file.currentIndex(), 2);
    file.closeFile();
    QCOMPARE(readFile(), first + recordBytes(QStringLiteral("second")));
}

void TestRecordFile::replace_leavesEveryOtherByteUnchanged()
{
    // Fields carrying bytes after their text, as files of other writers do.
    QByteArray before;
    for (int i = 0; i < 3 * R + 7; ++i)
        before += char(i * 7 + 1);
    writeFile(before);

    RecordFile file;
    file.openOrCreate(path(), R);
    file.seekRecord(1);
    file.writeNext(costRecord(QStringLiteral("new")));
    file.closeFile();

    QByteArray expected = before;
    expected.replace(R, R, recordBytes(QStringLiteral("new")));
    QCOMPARE(readFile(), expected);
}

void TestRecordFile::readOnlyFile_failsAndIsNeverReplaced()
{
    const QByteArray bytes = recordBytes(QStringLiteral("kept"));
    writeFile(bytes);
    QVERIFY(QFile::setPermissions(
        path(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    const QString file = path();
    const int result = openWithoutPrivileges(file);
    QCOMPARE(result, threwRecordFileError);
    QCOMPARE(readFile(), bytes);
}

void TestRecordFile::pathThatIsAFolder_fails()
{
    RecordFile file;
    QVERIFY_THROWS_EXCEPTION(RecordFileError, file.openOrCreate(m_dir->path(), R));
}

void TestRecordFile::readOnlyFolder_failsAndCreatesNothing()
{
    QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0555) == 0);
    const QString file = path();
    const int result = openWithoutPrivileges(file);
    QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0755) == 0);
    QCOMPARE(result, threwRecordFileError);
    QVERIFY(!QFile::exists(file));
}

void TestRecordFile::fullDisk_appendFails_fileUnchanged_data()
{
    QTest::addColumn<int>("room");
    QTest::newRow("no room at all") << 0;
    QTest::newRow("room for half a record") << R / 2;
}

void TestRecordFile::fullDisk_appendFails_fileUnchanged()
{
    QFETCH(int, room);
    const QByteArray bytes = recordBytes(QStringLiteral("a")) + recordBytes(QStringLiteral("b"));
    writeFile(bytes);
    const QString file = path();
    const int result = inChild([&] {
        // A file size limit fails writes the way a full disk does; the signal
        // it would raise is ignored so that the write reports the error.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { rlim_t(bytes.size() + room), rlim_t(bytes.size() + room) };
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 98;
        RecordFile recordFile;
        recordFile.openOrCreate(file, R);
        recordFile.seekRecord(recordFile.recordCount());
        return outcome([&] { recordFile.writeNext(costRecord(QStringLiteral("c"))); });
    });
    QCOMPARE(result, threwRecordFileError);
    QCOMPARE(readFile(), bytes);
}

void TestRecordFile::failedWriteOrFlush_leavesTheFileAsItWas_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QList<qint64>>("indexes"); // written in order, as one opening
    QTest::addColumn<Fault>("fault");
    QByteArray three;
    for (int i = 0; i < 3 * R; ++i)
        three += char(i * 7 + 1);
    const QByteArray fragment = three.left(2 * R + 9);
    QTest::newRow("append, flush fails") << three << QList<qint64> { 3 } << Fault::FailedFlush;
    QTest::newRow("append over a fragment, flush fails")
        << fragment << QList<qint64> { 2 } << Fault::FailedFlush;
    QTest::newRow("append to an empty file, flush fails")
        << QByteArray() << QList<qint64> { 0 } << Fault::FailedFlush;
    QTest::newRow("replace, flush fails") << three << QList<qint64> { 1 } << Fault::FailedFlush;
    QTest::newRow("replaces and appends, flush fails")
        << fragment << QList<qint64> { 1, 2, 1, 0, 3, 2 } << Fault::FailedFlush;
    QTest::newRow("replace torn half-way") << three << QList<qint64> { 1 } << Fault::TornWrite;
    QTest::newRow("last replace torn") << three << QList<qint64> { 2 } << Fault::TornWrite;
    QTest::newRow("append over a fragment torn") << fragment << QList<qint64> { 2 } << Fault::TornWrite;
    QTest::newRow("replace torn, earlier bytes not put back at once")
        << three << QList<qint64> { 0, 1 } << Fault::TornWriteNotPutBack;
    QTest::newRow("replaces and appends, flush and undo fail")
        << fragment << QList<qint64> { 1, 2, 0 } << Fault::FailedFlushAndUndo;
}

// Reported as failed means not stored: the file keeps every byte it had, and
// saving again stores each record once.
void TestRecordFile::failedWriteOrFlush_leavesTheFileAsItWas()
{
    QFETCH(QByteArray, before);
    QFETCH(QList<qint64>, indexes);
    QFETCH(Fault, fault);
    writeFile(before);
    const auto writeAll = [&](RecordFile &file) {
        for (int i = 0; i < indexes.size(); ++i) {
            file.seekRecord(indexes[i]);
            file.writeNext(costRecord(QStringLiteral("new %1").arg(i)));
        }
    };

    FailingRecordFile failing;
    failing.openOrCreate(path(), R);
    if (fault == Fault::TornWrite || fault == Fault::TornWriteNotPutBack) {
        failing.tearNextWriteAfter = R / 2;
        failing.failingWritesAfterTheTear = fault == Fault::TornWriteNotPutBack ? 1 : 0;
        QVERIFY_THROWS_EXCEPTION(RecordFileError, writeAll(failing));
        if (fault == Fault::TornWrite)
            failing.closeFile();
        else // closing undoes every write since opening, and reports it
            QVERIFY_THROWS_EXCEPTION(RecordFileError, failing.closeFile());
    } else {
        failing.failingFlushes = fault == Fault::FailedFlushAndUndo ? 2 : 1;
        writeAll(failing);
        QVERIFY_THROWS_EXCEPTION(RecordFileError, failing.closeFile());
        QCOMPARE(failing.recordCount(), before.size() / R);
    }
    // An undo that did not reach the disk leaves the journal to the next opening.
    QCOMPARE(QFile::exists(RollbackJournal::pathFor(path())), fault == Fault::FailedFlushAndUndo);
    QCOMPARE(readFile(), before);

    RecordFile retry;
    retry.openOrCreate(path(), R);
    QVERIFY(!QFile::exists(RollbackJournal::pathFor(path())));
    writeAll(retry);
    retry.closeFile();
    QByteArray expected = before;
    for (int i = 0; i < indexes.size(); ++i) {
        const qint64 at = indexes[i] * R;
        expected = expected.left(at) + recordBytes(QStringLiteral("new %1").arg(i)) + expected.mid(at + R);
    }
    QCOMPARE(readFile(), expected);
}

void TestRecordFile::twoProgramsAppending_keepEveryRecord()
{
    constexpr int perProgram = 1000;
    constexpr int perAction = 1;
    const QString file = path();
    // Each action opens, appends and closes, as the windows do, back to back.
    // The lock is not fair, so an action may give up waiting for it; like a
    // user after the access message, the program then tries again.
    const auto appendAll = [&](const QString &program) {
        return [&, program] {
            for (int i = 0; i < perProgram;) {
                try {
                    RecordFile recordFile;
                    recordFile.openOrCreate(file, R);
                    recordFile.seekRecord(recordFile.recordCount());
                    for (int k = 0; k < perAction; ++k) {
                        Record record = costRecord(program);
                        record.setValue(CostRecord::Importo, QString::number(i + k));
                        recordFile.writeNext(record);
                    }
                    recordFile.closeFile();
                    i += perAction;
                } catch (const RecordFileError &) {
                }
            }
            return succeeded;
        };
    };
    const pid_t first = startChild(appendAll(QStringLiteral("A")));
    const pid_t second = startChild(appendAll(QStringLiteral("B")));
    QCOMPARE(waitChild(first), succeeded);
    QCOMPARE(waitChild(second), succeeded);

    RecordFile recordFile;
    recordFile.openOrCreate(file, R);
    QCOMPARE(QFileInfo(file).size(), 2 * perProgram * R);
    QHash<QString, int> next;
    Record record(CostRecord::layout());
    while (!recordFile.atEnd()) {
        recordFile.readNext(record);
        const QString program = record.value(CostRecord::Causale);
        QCOMPARE(record.value(CostRecord::Importo), QString::number(next[program]++));
    }
    QCOMPARE(next.value(QStringLiteral("A")), perProgram);
    QCOMPARE(next.value(QStringLiteral("B")), perProgram);
}

void TestRecordFile::lockHeldLongerThanTheWait_secondOpenerFails()
{
    RecordFile holder;
    holder.openOrCreate(path(), R);
    const QString file = path();
    QElapsedTimer waited;
    waited.start();
    const int result = inChild([&] {
        return outcome([&] {
            RecordFile second;
            second.openOrCreate(file, R);
        });
    });
    QCOMPARE(result, threwRecordFileError);
    QVERIFY(waited.elapsed() >= 1500);
}

void TestRecordFile::lockReleasedWithinTheWait_secondOpenerGoesOn()
{
    const QString file = path();
    const pid_t holder = startChild([&] {
        RecordFile recordFile;
        recordFile.openOrCreate(file, R);
        recordFile.writeNext(costRecord(QStringLiteral("held")));
        QThread::msleep(300);
        recordFile.closeFile();
        return succeeded;
    });
    // Let the holder take the lock first.
    QTRY_VERIFY(QFileInfo(file).size() == R);

    RecordFile second;
    second.openOrCreate(file, R);
    QCOMPARE(second.recordCount(), 1);
    second.closeFile();
    QCOMPARE(waitChild(holder), succeeded);
}

// A restore holds the file, moves it aside and puts another in its place:
// a save that waited for the lock meanwhile must land in the file now at
// the path, not in the one moved aside.
void TestRecordFile::fileMovedAsideWhileWaiting_theOpenerWritesTheFileNowThere()
{
    const QString file = path();
    const QString aside = file + QStringLiteral(".aside");
    writeFile(recordBytes(QStringLiteral("before the restore")));
    const pid_t restore = startChild([&] {
        QFile held(file);
        if (!held.open(QIODevice::ReadOnly) || lockOpenFile(held, FileLockKind::Exclusive) != 0)
            return 1;
        QThread::msleep(300);
        QFile restored(file + QStringLiteral(".new"));
        if (!restored.open(QIODevice::WriteOnly) || restored.write(recordBytes(QStringLiteral("restored"))) != R)
            return 2;
        restored.close();
        return QFile::rename(file, aside) && QFile::rename(restored.fileName(), file) ? succeeded : 3;
    });
    QThread::msleep(100); // the restore holds the file first

    RecordFile saving;
    saving.openOrCreate(file, R);
    saving.seekRecord(saving.recordCount());
    saving.writeNext(costRecord(QStringLiteral("saved while waiting")));
    saving.closeFile();
    QCOMPARE(waitChild(restore), succeeded);

    QCOMPARE(readFile(), recordBytes(QStringLiteral("restored")) + recordBytes(QStringLiteral("saved while waiting")));
    QFile movedAside(aside);
    QVERIFY(movedAside.open(QIODevice::ReadOnly));
    QCOMPARE(movedAside.readAll(), recordBytes(QStringLiteral("before the restore")));
}

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
