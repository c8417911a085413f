// The start-up check of the schedule: every entry of the current year's file
// judged for today, over year files of 1,000 to 100,000 entries, set against
// a plain sequential read of the same file in the same iteration. Beside it,
// the deadline lists built over the same files: the month's at its worst,
// with every entry in the month (each one listed, its fields decoded, then
// sorted), the day's and the imminent one.

#include "RawReadYardstick.h"
#include "core/ScheduleRules.h"
#include "schedule/DeadlineLists.h"
#include "storage/ProgramFolder.h"
#include "storage/Record.h"
#include "storage/ScheduleRecord.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QDate today(2024, 6, 15);

// A program folder, one for each size, holding a year of entries spread over
// its days, as saved by the schedule window, with every other field half full;
// about one in a hundred is imminent today. Returns the year file.
QString yearFile(QTemporaryDir &folder, qint64 entries)
{
    const QString programFolder = folder.filePath(QString::number(entries));
    const QString path = programFolder + QStringLiteral("/2024.sca");
    if (QFile::exists(path))
        return path;
    QDir().mkpath(programFolder);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    const RecordLayout &layout = ScheduleRecord::layout();
    Record entry(layout);
    for (int field = 0; field < layout.fieldCount(); ++field)
        entry.setValue(field, QString((layout.field(field).capacity + 1) / 2, QLatin1Char('x')));
    for (qint64 i = 0; i < entries; ++i) {
        const QDate date = QDate(2024, 1, 1).addDays(i % 366);
        entry.setValue(ScheduleRecord::Data, date.toString(QStringLiteral("dd/MM/yyyy")));
        entry.setValue(ScheduleRecord::Avviso, QString::number(i % 4));
        // Every entry in one month, out of order, for the month list's worst case.
        entry.setValue(ScheduleRecord::Mese, QStringLiteral("Giugno"));
        entry.setValue(ScheduleRecord::Anno, QStringLiteral("2024"));
        entry.setValue(ScheduleRecord::Giorno, QString::number(1 + (i * 7) % 30).rightJustified(2, u'0'));
        // The time as the schedule window saves it, two digits each.
        entry.setValue(ScheduleRecord::OreApp, QString::number(8 + i % 12).rightJustified(2, u'0'));
        entry.setValue(ScheduleRecord::MinutiApp, QString::number(i % 60).rightJustified(2, u'0'));
        file.write(entry.bytes());
    }
    return path;
}

void imminentCheck(benchmark::State &state)
{
    static QTemporaryDir folder;
    const qint64 entries = state.range(0);
    const QString path = yearFile(folder, entries);
    qint64 imminent = 0;
    RawReadYardstick::measure(state, path, [&] {
        imminent = ScheduleRules::countImminent(ProgramFolder(QFileInfo(path).path()), today);
        benchmark::DoNotOptimize(imminent);
    });
    state.counters["imminent"] = double(imminent);
    state.SetBytesProcessed(state.iterations() * entries * ScheduleRecord::recordSize);
}

// A deadline list as its window reads it, over year files of every size.
void deadlineList(benchmark::State &state, DeadlineLists::Kind kind)
{
    static QTemporaryDir folder;
    const qint64 entries = state.range(0);
    const QString path = yearFile(folder, entries);
    qint64 rows = 0;
    RawReadYardstick::measure(state, path, [&] {
        rows = DeadlineLists::readRows(ProgramFolder(QFileInfo(path).path()), kind, today).rowCount();
        benchmark::DoNotOptimize(rows);
    });
    state.counters["rows"] = double(rows);
    state.SetBytesProcessed(state.iterations() * entries * ScheduleRecord::recordSize);
}

// At its worst: every entry of the file is in the month.
void monthList(benchmark::State &state)
{
    deadlineList(state, DeadlineLists::Kind::Month);
}

// The entries of one day, one in 366.
void dayList(benchmark::State &state)
{
    deadlineList(state, DeadlineLists::Kind::Day);
}

// The entries imminent today, about one in a hundred.
void imminentList(benchmark::State &state)
{
    deadlineList(state, DeadlineLists::Kind::Imminent);
}

} // namespace

BENCHMARK(imminentCheck)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(monthList)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(dayList)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(imminentList)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
