// The start-up check of the schedule: every entry of the current year's file
// judged for today, over year files of 1,000 to 100,000 entries, set against
// a plain sequential read of the same file in the same iteration. Beside it,
// the month's deadline list built over the same files at its worst, with
// every entry in the month: each one listed, its fields decoded, then sorted.

#include "schedule/DeadlineLists.h"
#include "schedule/ScheduleRules.h"
#include "storage/Record.h"
#include "storage/ScheduleRecord.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

const QDate today(2024, 6, 15);

// A year of entries spread over its days, as saved by the schedule window,
// with every field half full; about one in a hundred is imminent today.
QString yearFile(QTemporaryDir &folder, qint64 entries)
{
    const QString path = folder.filePath(QStringLiteral("%1.sca").arg(entries));
    if (QFile::exists(path))
        return path;
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
        file.write(entry.bytes());
    }
    return path;
}

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

void rawRead(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        qFatal("cannot read %s", qPrintable(path));
    QByteArray block(64 * 1024, Qt::Uninitialized);
    while (file.read(block.data(), block.size()) > 0)
        benchmark::DoNotOptimize(block.data());
}

double maxResidentMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void imminentCheck(benchmark::State &state)
{
    static QTemporaryDir folder;
    const qint64 entries = state.range(0);
    const QString path = yearFile(folder, entries);
    double rawTotal = 0;
    double checkTotal = 0;
    qint64 imminent = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        rawRead(path);
        const auto rawDone = Clock::now();
        imminent = ScheduleRules::countImminent(path, today);
        benchmark::DoNotOptimize(imminent);
        const auto checkDone = Clock::now();
        rawTotal += seconds(rawDone - start);
        checkTotal += seconds(checkDone - rawDone);
        state.SetIterationTime(seconds(checkDone - rawDone));
    }
    state.counters["imminent"] = double(imminent);
    state.counters["raw_ms"] = 1000.0 * rawTotal / double(state.iterations());
    state.counters["ratio_to_raw"] = checkTotal / rawTotal;
    state.counters["max_rss_MiB"] = maxResidentMiB();
    state.SetBytesProcessed(state.iterations() * entries * ScheduleRecord::recordSize);
}

void monthList(benchmark::State &state)
{
    static QTemporaryDir folder;
    const qint64 entries = state.range(0);
    const QString path = yearFile(folder, entries);
    double rawTotal = 0;
    double listTotal = 0;
    qint64 rows = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        rawRead(path);
        const auto rawDone = Clock::now();
        rows = DeadlineLists::readRows(path, DeadlineLists::Kind::Month, today).rowCount();
        benchmark::DoNotOptimize(rows);
        const auto listDone = Clock::now();
        rawTotal += seconds(rawDone - start);
        listTotal += seconds(listDone - rawDone);
        state.SetIterationTime(seconds(listDone - rawDone));
    }
    state.counters["rows"] = double(rows);
    state.counters["raw_ms"] = 1000.0 * rawTotal / double(state.iterations());
    state.counters["ratio_to_raw"] = listTotal / rawTotal;
    state.counters["max_rss_MiB"] = maxResidentMiB();
    state.SetBytesProcessed(state.iterations() * entries * ScheduleRecord::recordSize);
}

} // namespace

BENCHMARK(imminentCheck)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(monthList)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
