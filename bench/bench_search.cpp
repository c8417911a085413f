// The dog search over archives of 1,000 to 100,000 dogs, with no criterion
// (every card listed) and with one criterion, each set against a plain
// sequential read of the same file in the same iteration. Reading records,
// building lines and matching are the whole job of a search, so it should
// cost little more than the read itself. Sorting the lines for the list is
// reported on its own.

#include "RawReadYardstick.h"
#include "search/ArchiveSearch.h"
#include "search/ResultLines.h"
#include "storage/DogRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace RawReadYardstick;

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

const QStringList breeds = { QStringLiteral("Pastore tedesco"), QStringLiteral("Labrador"),
    QStringLiteral("Setter inglese"), QStringLiteral("Bassotto"), QStringLiteral("Barboncino") };

// A dog with every field half full, as real cards mostly are, and names and
// breeds that vary so that lines differ and one breed in five matches.
Record sampleDog(int number)
{
    const RecordLayout &layout = DogRecord::layout();
    Record record(layout);
    for (int field = 0; field < layout.fieldCount(); ++field) {
        const int capacity = layout.field(field).capacity;
        record.setValue(field, QString((capacity + 1) / 2, QChar(u'a' + field % 26)));
    }
    record.setValue(DogRecord::Nome, QStringLiteral("Cane %1").arg((number * 7919) % 100003));
    record.setValue(DogRecord::Razza, breeds[number % breeds.size()]);
    return record;
}

QString archivePath(qint64 records)
{
    static QMap<qint64, QString> written;
    if (written.contains(records))
        return written.value(records);
    const QString path = folder().filePath(QStringLiteral("dogs_%1.pro").arg(records));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray chunk;
    for (qint64 i = 0; i < records; ++i) {
        chunk += sampleDog(int(i + 1)).bytes();
        if (chunk.size() > (1 << 20) || i + 1 == records) {
            file.write(chunk);
            chunk.clear();
        }
    }
    written.insert(records, path);
    return path;
}

// What "Cerca" does between opening and closing the archive.
QStringList search(const QString &path, const ArchiveSearch::Criteria &criteria)
{
    RecordFile file;
    file.openOrCreate(path, DogRecord::recordSize);
    QStringList lines;
    ArchiveSearch::collectLines(file, DogRecord::layout(),
        [&criteria](RecordView record) { return criteria.matches(record); }, ResultLines::dogSearch, lines);
    file.closeFile();
    return lines;
}

void dogSearch(benchmark::State &state, qint64 records, bool oneCriterion)
{
    const QString path = archivePath(records);
    const ArchiveSearch::Criteria criteria(oneCriterion
            ? QList<ArchiveSearch::Criterion> { { DogRecord::Razza, QStringLiteral("SETTER") } }
            : QList<ArchiveSearch::Criterion> {});
    double rawTotal = 0;
    double searchTotal = 0;
    double sortTotal = 0;
    qsizetype listed = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        rawRead(path);
        const auto rawDone = Clock::now();
        QStringList lines = search(path, criteria);
        const auto searchDone = Clock::now();
        ResultLines::sortAsListed(lines);
        const auto sortDone = Clock::now();
        listed = lines.size();

        rawTotal += seconds(rawDone - start);
        searchTotal += seconds(searchDone - rawDone);
        sortTotal += seconds(sortDone - searchDone);
        state.SetIterationTime(seconds(searchDone - rawDone));
    }
    const double iterations = double(state.iterations());
    state.counters["raw_ms"] = 1000.0 * rawTotal / iterations;
    state.counters["sort_ms"] = 1000.0 * sortTotal / iterations;
    state.counters["ratio_to_raw"] = searchTotal / rawTotal;
    state.counters["lines"] = double(listed);
    state.SetBytesProcessed(state.iterations() * records * DogRecord::recordSize);
}

void registerBenchmarks()
{
    for (const qint64 records : { 1000, 10000, 100000 }) {
        for (const bool oneCriterion : { false, true }) {
            const std::string name = std::string(oneCriterion ? "dog_search_one_criterion/" : "dog_search_all/")
                + std::to_string(records);
            benchmark::RegisterBenchmark(name.c_str(), dogSearch, records, oneCriterion)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
