// A dog's pedigree over archives of 1,000 to 100,000 dog cards, set against a
// plain sequential read of the same archive in the same iteration: one scan
// indexes the names, then the linked cards are read by position. The same
// over archives whose cards all bear one name: a name is known to be
// ambiguous at its second card, and no further card is read.

#include "RawReadYardstick.h"
#include "SampleArchives.h"
#include "kennel/Inbreeding.h"
#include "kennel/PedigreeTree.h"
#include "storage/DogRecord.h"
#include "storage/Record.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

QString nameOf(qint64 number)
{
    return QStringLiteral("Cane %1").arg(number);
}

// An archive of a kennel's lines: card n is the child of cards 2n + 1 and
// 2n + 2 when they exist, so the first cards have five generations linked,
// every other field half full.
QString archivePath(qint64 records)
{
    Record dog = SampleArchives::halfFull(DogRecord::layout());
    return SampleArchives::written(QStringLiteral("cani_%1.pro").arg(records), records, [&dog](qint64 n) {
        dog.setValue(DogRecord::Nome, nameOf(n));
        dog.setValue(DogRecord::Padre, nameOf(2 * n + 1));
        dog.setValue(DogRecord::Madre, nameOf(2 * n + 2));
        return dog;
    });
}

void pedigree(benchmark::State &state)
{
    const QString path = archivePath(state.range(0));
    Pedigree::Root root;
    root.sire = nameOf(1);
    root.dam = nameOf(2);
    int linked = 0;
    RawReadYardstick::measure(state, path, [&] {
        const Pedigree::Tree tree = Pedigree::buildFromArchive(path, root);
        benchmark::DoNotOptimize(Pedigree::coefficientsOf(tree).inbreeding);
        linked = int(std::count_if(tree.boxes.begin(), tree.boxes.end(),
            [](const Pedigree::Box &box) { return box.link == Pedigree::Box::Link::Linked; }));
    });
    state.counters["linked"] = double(linked);
}

void pedigreeOfOneName(benchmark::State &state)
{
    Record dog = SampleArchives::halfFull(DogRecord::layout());
    dog.setValue(DogRecord::Nome, nameOf(0));
    const QString path = SampleArchives::written(QStringLiteral("cani_omonimi_%1.pro").arg(state.range(0)),
        state.range(0), [&dog](qint64) { return dog; });
    Pedigree::Root root;
    root.sire = nameOf(0);
    root.dam = nameOf(0);
    RawReadYardstick::measure(state, path, [&] {
        benchmark::DoNotOptimize(Pedigree::coefficientsOf(Pedigree::buildFromArchive(path, root)).inbreeding);
    });
}

} // namespace

BENCHMARK(pedigree)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(pedigreeOfOneName)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
