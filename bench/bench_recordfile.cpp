// Scans, navigation and saves over archives of 1,000 to 100,000 records, each
// scan set against a plain sequential read of the same file in the same
// iteration: the record file should add little to what the disk costs anyway.

#include "RawReadYardstick.h"
#include "SampleArchives.h"
#include "storage/CostRecord.h"
#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ScheduleRecord.h"
#include "storage/WeightRecord.h"
#include "storage/Windows1252.h"


#include <benchmark/benchmark.h>

namespace {

struct Archive
{
    const char *name;
    const RecordLayout &layout;
};

const Archive archives[] = {
    { "dog", DogRecord::layout() },
    { "owner", OwnerRecord::layout() },
    { "schedule", ScheduleRecord::layout() },
    { "cost", CostRecord::layout() },
    { "weight", WeightRecord::layout() },
};

// The archive file of that layout and size: every field half full, the
// first one numbered.
QString archivePath(const Archive &archive, qint64 records)
{
    Record record = SampleArchives::halfFull(archive.layout);
    return SampleArchives::written(QStringLiteral("%1_%2.pro").arg(QLatin1StringView(archive.name)).arg(records),
        records, [&record](qint64 i) {
            record.setValue(0, QString::number(i + 1));
            return record;
        });
}

// Every record read in position order, as searches, lists and exports do;
// with decodeField, the first field of each record is also turned into text,
// as they do it: into one text kept from record to record, without a new
// text for each field.
void scan(benchmark::State &state, const Archive &archive, qint64 records, bool decodeField)
{
    const QString path = archivePath(archive, records);
    const int recordSize = archive.layout.recordSize();
    RawReadYardstick::measure(state, path, [&] {
        RecordFile file;
        file.openOrCreate(path, recordSize);
        Record record(archive.layout);
        QString text;
        while (!file.atEnd()) {
            file.readNext(record);
            if (decodeField) {
                text.resize(0);
                Windows1252::appendDecoded(text, RecordView(record).storedBytes(0));
                benchmark::DoNotOptimize(text.data());
            } else {
                benchmark::DoNotOptimize(record.data());
            }
        }
        file.closeFile();
    });
    state.SetBytesProcessed(state.iterations() * records * recordSize);
}

constexpr qint64 largeArchive = 100000;

// Pressing "last" on the dog card: open, read the last record, show its fields, close.
void navigateToLast(benchmark::State &state)
{
    const QString path = archivePath(archives[0], largeArchive);
    Record record(DogRecord::layout());
    for (auto _ : state) {
        RecordFile file;
        file.openOrCreate(path, DogRecord::recordSize);
        file.seekRecord(file.recordCount() - 1);
        file.readNext(record);
        file.closeFile();
        for (int field = 0; field < DogRecord::FieldCount; ++field)
            benchmark::DoNotOptimize(record.value(field));
    }
}

// Saving a changed dog card in place, flushed to stable storage on close.
void saveOneRecord(benchmark::State &state)
{
    const QString path = archivePath(archives[0], largeArchive);
    Record record = SampleArchives::halfFull(DogRecord::layout());
    for (auto _ : state) {
        record.setValue(DogRecord::Nome, QString::number(state.iterations()));
        RecordFile file;
        file.openOrCreate(path, DogRecord::recordSize);
        file.seekRecord(largeArchive / 2);
        file.writeNext(record);
        file.closeFile();
    }
}

// Adding a cost, flushed on close: open, append one record, close.
void appendOneRecord(benchmark::State &state)
{
    const QString path = archivePath(archives[3], largeArchive);
    Record record = SampleArchives::halfFull(CostRecord::layout());
    for (auto _ : state) {
        RecordFile file;
        file.openOrCreate(path, CostRecord::recordSize);
        file.seekRecord(file.recordCount());
        file.writeNext(record);
        file.closeFile();
    }
}

void registerBenchmarks()
{
    for (const Archive &archive : archives) {
        for (const qint64 records : { 1000, 10000, 100000 }) {
            for (const bool decodeField : { false, true }) {
                const std::string name = std::string(decodeField ? "scan_decode_field/" : "scan/")
                    + archive.name + '/' + std::to_string(records);
                benchmark::RegisterBenchmark(name.c_str(), scan, archive, records, decodeField)
                    ->UseManualTime()
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
    benchmark::RegisterBenchmark("navigate_to_last/dog/100000", navigateToLast)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("save_replace_one/dog/100000", saveOneRecord)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("save_append_one/cost/100000", appendOneRecord)->Unit(benchmark::kMillisecond);
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
