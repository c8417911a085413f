// The health booklets of 100, 1,000 and 10,000 dogs, ten entries each (1,000
// to 100,000 records of one archive), set against a plain sequential read of
// the same archive in the same iteration: the start-up check's pass over
// every dog's due dates (toAnnounce), and the opening of one dog's booklet,
// which reads the whole archive for that dog's entries (read).

#include "RawReadYardstick.h"
#include "SampleArchives.h"
#include "SampleBooklets.h"
#include "kennel/HealthBooklet.h"

#include <benchmark/benchmark.h>

namespace {

QString archive(qint64 dogs)
{
    return SampleArchives::written(QStringLiteral("Libretti_Sanitari_%1.pro").arg(dogs),
                                   dogs * SampleBooklets::entriesPerDog,
                                   [dogs](qint64 i) { return SampleBooklets::entryAt(i, dogs); });
}

void toAnnounce(benchmark::State &state)
{
    const qint64 dogs = state.range(0);
    const QString path = archive(dogs);
    qsizetype announced = 0;
    RawReadYardstick::measure(state, path, [&] {
        announced = HealthBooklet::toAnnounce(path, SampleBooklets::today).size();
        benchmark::DoNotOptimize(announced);
    });
    state.counters["announced"] = double(announced);
    state.SetBytesProcessed(state.iterations() * dogs * SampleBooklets::entriesPerDog * HealthRecord::recordSize);
}

// The booklet of the dog in the middle of the archive.
void readBooklet(benchmark::State &state)
{
    const qint64 dogs = state.range(0);
    const QString path = archive(dogs);
    qsizetype entries = 0;
    RawReadYardstick::measure(state, path, [&] {
        entries = HealthBooklet::read(path, dogs / 2).entries.size();
        benchmark::DoNotOptimize(entries);
    });
    state.counters["entries"] = double(entries);
}

} // namespace

BENCHMARK(toAnnounce)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(readBooklet)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
