#include "storage/CostRecord.h"
#include "storage/DogRecord.h"
#include "storage/HealthRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/RollbackJournal.h"
#include "storage/ScheduleRecord.h"
#include "storage/WeightRecord.h"

#include "ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Exit codes of the children.
constexpr int crashed = 42;
constexpr int ranToTheEnd = 1;

constexpr qint64 pageSize = 4096;

// One call of a save that changes what the disk holds.
struct Step
{
    enum Kind { Write, Resize, Flush, Remove, FolderFlush } kind;
    bool journal; // on the journal rather than the records
    qint64 offset = 0;
    qint64 size = 0;

    QString text() const
    {
        static const char *const names[] = { "write", "cut", "flush", "remove", "folder flush" };
        return QString::fromLatin1(names[kind]) + QLatin1String(journal ? " journal" : " records");
    }
};

bool isJournal(const QString &path)
{
    return path.endsWith(QLatin1String(".journal"));
}

// How the program ends at the chosen step: before it, or in the middle of a
// write (up to the first page boundary it crosses, or after a random number
// of its bytes), as a power cut or a killed process leaves it.
enum class Crash { Before, TornAtPage, TornAtRandom };

// A record file whose every write and flush is a step: it lists them, or ends
// the program at one of them.
class SteppedRecordFile : public RecordFile
{
public:
    QList<Step> steps;
    int crashAt = 0; // 1-based; 0 runs to the end
    Crash crash = Crash::Before;

protected:
    qint64 writeAt(QFile &file, qint64 offset, const char *data, qint64 size) override
    {
        if (reached({ Step::Write, isJournal(file.fileName()), offset, size }) && crash != Crash::Before) {
            RecordFile::writeAt(file, offset, data, tornAt(offset, size));
            ::_exit(crashed);
        }
        return RecordFile::writeAt(file, offset, data, size);
    }
    bool resize(QFile &file, qint64 size) override
    {
        reached({ Step::Resize, false, size });
        return RecordFile::resize(file, size);
    }
    bool syncData(QFile &file) override
    {
        reached({ Step::Flush, isJournal(file.fileName()) });
        return RecordFile::syncData(file);
    }
    bool remove(const QString &path) override
    {
        reached({ Step::Remove, isJournal(path) });
        return RecordFile::remove(path);
    }
    void syncFolderOf(const QString &path) override
    {
        reached({ Step::FolderFlush, isJournal(path) });
        RecordFile::syncFolderOf(path);
    }

private:
    // Whether this is the step to crash at; ends the program there unless
    // the write itself is to be torn.
    bool reached(const Step &step)
    {
        steps.append(step);
        if (steps.size() != crashAt)
            return false;
        if (step.kind != Step::Write || crash == Crash::Before)
            ::_exit(crashed);
        return true;
    }

    qint64 tornAt(qint64 offset, qint64 size) const
    {
        if (crash == Crash::TornAtPage)
            return (offset / pageSize + 1) * pageSize - offset;
        return QRandomGenerator(quint32(crashAt)).bounded(size);
    }
};

// What one saving action does to one record file in one opening: the records
// it writes, by index (the record count appends).
struct Save
{
    const char *name;
    QString file;
    const RecordLayout &layout;
    int records;
    int fragment; // trailing bytes of an earlier interrupted write
    QList<int> writes;

    int recordSize() const { return layout.recordSize(); }
};

const QList<Save> &saves()
{
    static const QList<Save> list = {
        { "dog card saved", QStringLiteral("Anagrafica_Cani.pro"), DogRecord::layout(), 3, 0, { 1 } },
        { "owner card saved", QStringLiteral("Proprietari.pro"), OwnerRecord::layout(), 3, 0, { 2 } },
        { "schedule entry saved", QStringLiteral("2025.sca"), ScheduleRecord::layout(), 4, 0, { 0 } },
        { "new dog card", QStringLiteral("Anagrafica_Cani.pro"), DogRecord::layout(), 2, 0, { 2 } },
        { "dog card duplicated", QStringLiteral("Anagrafica_Cani.pro"), DogRecord::layout(), 1, 0, { 1 } },
        { "cost added", QStringLiteral("Costi_Cane_1.pro"), CostRecord::layout(), 5, 0, { 5 } },
        { "first cost", QStringLiteral("Costi_Cane_2.pro"), CostRecord::layout(), 0, 0, { 0 } },
        { "weighing added", QStringLiteral("Pesi_Cane_1.pro"), WeightRecord::layout(), 40, 0, { 40 } },
        { "weighing corrected", QStringLiteral("Pesi_Cane_1.pro"), WeightRecord::layout(), 40, 0, { 39 } },
        { "weighing over an interrupted one", QStringLiteral("Pesi_Cane_1.pro"), WeightRecord::layout(), 3, 50, { 3 } },
        { "health entry corrected", QStringLiteral("Libretti_Sanitari.pro"), HealthRecord::layout(), 30, 0, { 12 } },
        { "records replaced and added at once", QStringLiteral("Anagrafica_Cani.pro"), DogRecord::layout(), 2, 0,
            { 1, 0, 2, 1 } },
    };
    return list;
}

QByteArray randomBytes(qint64 size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

QByteArray before(const Save &save)
{
    return randomBytes(qint64(save.records) * save.recordSize() + save.fragment, 1);
}

QByteArray written(const Save &save, int i)
{
    return randomBytes(save.recordSize(), 100 + i);
}

QByteArray after(const Save &save)
{
    QByteArray bytes = before(save);
    for (int i = 0; i < save.writes.size(); ++i) {
        const qint64 at = qint64(save.writes[i]) * save.recordSize();
        bytes = bytes.left(at) + written(save, i) + bytes.mid(at + save.recordSize());
    }
    return bytes;
}

void run(const Save &save, RecordFile &file, const QString &path)
{
    file.openOrCreate(path, save.recordSize());
    Record record(save.layout);
    for (int i = 0; i < save.writes.size(); ++i) {
        file.seekRecord(save.writes[i]);
        const QByteArray bytes = written(save, i);
        std::copy(bytes.cbegin(), bytes.cend(), record.data());
        file.writeNext(record);
    }
    file.closeFile();
}

// Runs the save in a child that ends at its step-th write or flush; the
// child's exit code (crashed, or ranToTheEnd had it fewer steps).
int runEndedAt(const Save &save, const QString &path, int step)
{
    return inChild([&] {
        SteppedRecordFile interrupted;
        interrupted.crashAt = step;
        run(save, interrupted, path);
        return ranToTheEnd;
    });
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every file of the folder with its bytes, hidden ones too.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        files.insert(name, readFile(dir.filePath(name)));
    return files;
}

} // namespace

Q_DECLARE_METATYPE(Crash)

class TestRollbackJournal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void crashAtAnyStep_leavesTheSaveWhollyDoneOrUndone_data();
    void crashAtAnyStep_leavesTheSaveWhollyDoneOrUndone();
    void crashWhileRollingBack_isRolledBackAtTheNextOpening_data();
    void crashWhileRollingBack_isRolledBackAtTheNextOpening();
    void journalCutShort_undoesOnlyWhatItHoldsWhole_data();
    void journalCutShort_undoesOnlyWhatItHoldsWhole();
    void journalOfAFileMadeAnew_isDiscarded();
    void journalOfACopyHoldingTheLock_isLeftAlone();
    void severalProgramsAppending_oneEndedMidSave_keepEveryOtherRecord_data();
    void severalProgramsAppending_oneEndedMidSave_keepEveryOtherRecord();

private:
    QString folder() const { return m_dir->path(); }
    QString pathOf(const QString &name) const { return m_dir->filePath(name); }
    // The folder before the save: the record file and, beside it, another
    // archive and a file that is no data.
    void prepare(const Save &save);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRollbackJournal::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestRollbackJournal::prepare(const Save &save)
{
    writeFile(pathOf(save.file), before(save));
    if (save.file != QLatin1String("Proprietari.pro"))
        writeFile(pathOf(QStringLiteral("Proprietari.pro")), randomBytes(2 * OwnerRecord::recordSize, 2));
    writeFile(pathOf(QStringLiteral("Appunti.txt")), "not data");
}

// Every step of each save, each as a row: the program ends before it and, for
// a write, in the middle of it. The save is done from the moment its journal
// is removed; until then the next start undoes it.
void TestRollbackJournal::crashAtAnyStep_leavesTheSaveWhollyDoneOrUndone_data()
{
    QTest::addColumn<int>("save");
    QTest::addColumn<int>("step");
    QTest::addColumn<Crash>("crash");
    QTest::addColumn<bool>("done");
    for (int s = 0; s < saves().size(); ++s) {
        const Save &save = saves()[s];
        QTemporaryDir dir;
        SteppedRecordFile listing;
        const QString path = dir.filePath(save.file);
        writeFile(path, before(save));
        run(save, listing, path);
        QCOMPARE(readFile(path), after(save));
        bool done = false;
        for (int k = 1; k <= listing.steps.size(); ++k) {
            const Step &step = listing.steps[k - 1];
            const auto row = [&](Crash crash, const char *how) {
                QTest::addRow("%s: %d %s %s", save.name, k, qPrintable(step.text()), how) << s << k << crash << done;
            };
            row(Crash::Before, "(before)");
            if (step.kind == Step::Write) {
                if ((step.offset / pageSize + 1) * pageSize < step.offset + step.size)
                    row(Crash::TornAtPage, "(torn at a page)");
                row(Crash::TornAtRandom, "(torn at a byte)");
            }
            done = done || (step.kind == Step::Remove && step.journal);
        }
        QVERIFY(done);
    }
}

void TestRollbackJournal::crashAtAnyStep_leavesTheSaveWhollyDoneOrUndone()
{
    QFETCH(int, save);
    QFETCH(int, step);
    QFETCH(Crash, crash);
    QFETCH(bool, done);
    const Save &changing = saves()[save];
    prepare(changing);
    QMap<QString, QByteArray> expected = snapshot(folder());
    const QString path = pathOf(changing.file);
    const int code = inChild([&] {
        SteppedRecordFile file;
        file.crashAt = step;
        file.crash = crash;
        run(changing, file, path);
        return ranToTheEnd;
    });
    QCOMPARE(code, crashed);

    recoverInterruptedChanges(folder());
    if (done)
        expected[changing.file] = after(changing);
    QCOMPARE(snapshot(folder()), expected);
}

// A save ended just before its records were flushed leaves its journal; the
// opening that rolls it back ends in turn at each of its own steps, and the
// opening after that still finds the save wholly undone.
void TestRollbackJournal::crashWhileRollingBack_isRolledBackAtTheNextOpening_data()
{
    QTest::addColumn<int>("interruptAt");
    QTest::addColumn<int>("step");
    QTest::addColumn<Crash>("crash");
    const Save &save = saves().last();
    QTemporaryDir dir;
    const QString path = dir.filePath(save.file);
    writeFile(path, before(save));
    SteppedRecordFile saving;
    run(save, saving, path);
    const auto recordsFlush = std::find_if(saving.steps.cbegin(), saving.steps.cend(),
        [](const Step &step) { return step.kind == Step::Flush && !step.journal; });
    const int interruptAt = int(recordsFlush - saving.steps.cbegin()) + 1;

    writeFile(path, before(save));
    QCOMPARE(runEndedAt(save, path, interruptAt), crashed);
    SteppedRecordFile rollingBack;
    rollingBack.openOrCreate(path, save.recordSize());
    rollingBack.closeFile();
    QCOMPARE(readFile(path), before(save));
    for (int k = 1; k <= rollingBack.steps.size(); ++k) {
        const Step &step = rollingBack.steps[k - 1];
        QTest::addRow("%d %s (before)", k, qPrintable(step.text())) << interruptAt << k << Crash::Before;
        if (step.kind == Step::Write)
            QTest::addRow("%d %s (torn at a byte)", k, qPrintable(step.text())) << interruptAt << k << Crash::TornAtRandom;
    }
}

void TestRollbackJournal::crashWhileRollingBack_isRolledBackAtTheNextOpening()
{
    QFETCH(int, interruptAt);
    QFETCH(int, step);
    QFETCH(Crash, crash);
    const Save &save = saves().last();
    prepare(save);
    const QMap<QString, QByteArray> expected = snapshot(folder());
    const QString path = pathOf(save.file);
    QCOMPARE(runEndedAt(save, path, interruptAt), crashed);
    QVERIFY(QFile::exists(RollbackJournal::pathFor(path)));
    QCOMPARE(inChild([&] {
        SteppedRecordFile rollingBack;
        rollingBack.crashAt = step;
        rollingBack.crash = crash;
        rollingBack.openOrCreate(path, save.recordSize());
        return ranToTheEnd;
    }),
        crashed);

    RecordFile reopened;
    reopened.openOrCreate(path, save.recordSize());
    reopened.closeFile();
    QCOMPARE(snapshot(folder()), expected);
}

// A journal as a change leaves it: the earlier bytes of record 1 of a file of
// three cost records, which then had record 1 replaced and a fourth added.
// Cut short, it undoes what it holds whole and nothing else: a torn header
// stands for a change that never began, a torn entry for a write that never
// began.
void TestRollbackJournal::journalCutShort_undoesOnlyWhatItHoldsWhole_data()
{
    QTest::addColumn<int>("cut");
    QTest::addColumn<int>("flipped"); // a byte changed, or -1
    QTest::addColumn<QString>("undone");
    constexpr int R = CostRecord::recordSize;
    QTest::newRow("empty") << 0 << -1 << "nothing";
    QTest::newRow("header cut short") << 31 << -1 << "nothing";
    QTest::newRow("header's size changed") << -1 << 20 << "nothing";
    QTest::newRow("header whole, entry cut in its head") << 40 << -1 << "append";
    QTest::newRow("header whole, entry cut in its bytes") << 32 + 24 + R / 2 << -1 << "append";
    QTest::newRow("entry's bytes changed") << -1 << 32 + 24 + 5 << "append";
    QTest::newRow("whole") << -1 << -1 << "all";
}

void TestRollbackJournal::journalCutShort_undoesOnlyWhatItHoldsWhole()
{
    QFETCH(int, cut);
    QFETCH(int, flipped);
    QFETCH(QString, undone);
    constexpr int R = CostRecord::recordSize;
    const QString path = pathOf(QStringLiteral("Costi_Cane_1.pro"));
    const QByteArray earlier = randomBytes(3 * R, 1);
    const QByteArray replaced = earlier.left(R) + randomBytes(R, 2) + earlier.mid(2 * R);
    const QByteArray changed = replaced + randomBytes(R, 3);
    DiskWrites disk;
    RollbackJournal journal(path, disk);
    QVERIFY(journal.begin(earlier.size(), R, QByteArrayView(earlier).sliced(R, R)));
    journal.abandon();
    QByteArray journalBytes = readFile(RollbackJournal::pathFor(path));
    if (cut >= 0)
        journalBytes.truncate(cut);
    if (flipped >= 0)
        journalBytes[flipped] = char(journalBytes[flipped] ^ 1);
    writeFile(RollbackJournal::pathFor(path), journalBytes);
    writeFile(path, changed);

    RecordFile reopened;
    reopened.openOrCreate(path, R);
    QCOMPARE(reopened.recordCount(), undone == QLatin1String("nothing") ? 4 : 3);
    reopened.closeFile();
    const QMap<QString, QByteArray> expected { { QStringLiteral("Costi_Cane_1.pro"),
        undone == QLatin1String("nothing") ? changed : undone == QLatin1String("append") ? replaced : earlier } };
    QCOMPARE(snapshot(folder()), expected);
}

// A change only ever grows a file: a file now smaller than its journal says
// it was is a file made anew since, and the journal is not its own.
void TestRollbackJournal::journalOfAFileMadeAnew_isDiscarded()
{
    const QString path = pathOf(QStringLiteral("Pesi_Cane_3.pro"));
    DiskWrites disk;
    RollbackJournal journal(path, disk);
    QVERIFY(journal.begin(2 * WeightRecord::recordSize, 0, randomBytes(WeightRecord::recordSize, 1)));
    journal.abandon();
    const QByteArray madeAnew = randomBytes(WeightRecord::recordSize, 2);
    writeFile(path, madeAnew);

    RecordFile reopened;
    reopened.openOrCreate(path, WeightRecord::recordSize);
    reopened.closeFile();
    QCOMPARE(snapshot(folder()), (QMap<QString, QByteArray> { { QStringLiteral("Pesi_Cane_3.pro"), madeAnew } }));
}

// The journal of a save another copy of the program is making is no crash's:
// whatever opens the file meanwhile waits for the lock, gives up and leaves
// the journal and the records as they are, and the save then ends as usual.
void TestRollbackJournal::journalOfACopyHoldingTheLock_isLeftAlone()
{
    const Save &save = saves().front();
    prepare(save);
    const QString path = pathOf(save.file);
    // The saving copy holds its lock until this side closes the pipe: after
    // the checks, or on a failed one, so that the child never waits forever.
    int release[2];
    QVERIFY(pipe(release) == 0);
    auto letTheSaveEnd = qScopeGuard([&] { ::close(release[1]); });
    const pid_t saving = startChild([&] {
        ::close(release[1]);
        RecordFile file;
        file.openOrCreate(path, save.recordSize());
        file.seekRecord(save.writes[0]);
        Record record(save.layout);
        const QByteArray bytes = written(save, 0);
        std::copy(bytes.cbegin(), bytes.cend(), record.data());
        file.writeNext(record);
        char ignored;
        while (::read(release[0], &ignored, 1) > 0) {
        }
        file.closeFile();
        return ranToTheEnd;
    });
    ::close(release[0]);
    QTRY_VERIFY(QFile::exists(RollbackJournal::pathFor(path)));
    // The journal stands before the record is written: wait for the record too.
    QTRY_COMPARE(readFile(path), after(save));
    const QMap<QString, QByteArray> midSave = snapshot(folder());
    QCOMPARE(midSave.value(save.file), after(save));

    recoverInterruptedChanges(folder()); // waits for the lock, then gives up
    QCOMPARE(snapshot(folder()), midSave);

    letTheSaveEnd.dismiss();
    ::close(release[1]);
    QCOMPARE(waitChild(saving), ranToTheEnd);
    QVERIFY(!QFile::exists(RollbackJournal::pathFor(path)));
    QCOMPARE(readFile(path), after(save));
}

void TestRollbackJournal::severalProgramsAppending_oneEndedMidSave_keepEveryOtherRecord_data()
{
    QTest::addColumn<Crash>("crash");
    QTest::addColumn<int>("stepInItsSave");
    // The steps of an append: the journal written, flushed and its folder
    // flushed, then the record written and flushed.
    QTest::newRow("ended before its record's flush") << Crash::Before << 5;
    QTest::newRow("ended in its record's write") << Crash::TornAtRandom << 4;
}

// Three programs append costs to one file, one action after another; one of
// them ends in the middle of its hundredth. The others keep appending: the
// first of them to open the file undoes the unfinished append, so the file
// holds every record of the other two, in order, and the ended program's
// first 99, and nothing else.
void TestRollbackJournal::severalProgramsAppending_oneEndedMidSave_keepEveryOtherRecord()
{
    QFETCH(Crash, crash);
    QFETCH(int, stepInItsSave);
    constexpr int perProgram = 300;
    constexpr int endedAfter = 99;
    const QString path = pathOf(QStringLiteral("Costi_Cane_1.pro"));
    const auto appendAll = [&](const QString &program, bool ends) {
        return [&, program, ends] {
            for (int i = 0; i < perProgram;) {
                try {
                    SteppedRecordFile file;
                    file.crashAt = ends && i == endedAfter ? stepInItsSave : 0;
                    file.crash = crash;
                    file.openOrCreate(path, CostRecord::recordSize);
                    file.seekRecord(file.recordCount());
                    Record record(CostRecord::layout());
                    record.setValue(CostRecord::Causale, program);
                    record.setValue(CostRecord::Importo, QString::number(i));
                    file.writeNext(record);
                    file.closeFile();
                    ++i;
                } catch (const RecordFileError &) {
                    // The lock is not fair: like a user after the access message, try again.
                }
            }
            return ranToTheEnd;
        };
    };
    const pid_t first = startChild(appendAll(QStringLiteral("A"), false));
    const pid_t ended = startChild(appendAll(QStringLiteral("C"), true));
    const pid_t second = startChild(appendAll(QStringLiteral("B"), false));
    QCOMPARE(waitChild(ended), crashed);
    QCOMPARE(waitChild(first), ranToTheEnd);
    QCOMPARE(waitChild(second), ranToTheEnd);

    RecordFile file;
    file.openOrCreate(path, CostRecord::recordSize);
    QCOMPARE(QFileInfo(path).size(), (2 * perProgram + endedAfter) * CostRecord::recordSize);
    QHash<QString, int> next;
    Record record(CostRecord::layout());
    while (!file.atEnd()) {
        file.readNext(record);
        const QString program = record.value(CostRecord::Causale);
        QCOMPARE(record.value(CostRecord::Importo), QString::number(next[program]++));
    }
    const QHash<QString, int> expected { { QStringLiteral("A"), perProgram }, { QStringLiteral("B"), perProgram },
        { QStringLiteral("C"), endedAfter } };
    QCOMPARE(next, expected);
}

QTEST_GUILESS_MAIN(TestRollbackJournal)
#include "tst_rollbackjournal.moc"
