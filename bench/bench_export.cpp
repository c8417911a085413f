// Exporting the dog archive to the spreadsheet document as the export window
// does it (the grid filled from the archive, then the document written from
// the grid through the checked writer) at 1,000 to 100,000 records, set against a raw
// read of the same archive plus a raw write of as many bytes as the document
// holds, in the same iteration. The write is streamed: the peak memory it
// adds stays the same whatever the record count.

#include "RawReadYardstick.h"
#include "SampleArchives.h"
#include "export/ExportGrid.h"
#include "export/SpreadsheetDocument.h"
#include "export/SpreadsheetExports.h"
#include "storage/DogRecord.h"
#include "storage/Record.h"
#include "storage/WholeFile.h"

#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

namespace {

using RawReadYardstick::Clock;
using RawReadYardstick::cpuSeconds;
using RawReadYardstick::seconds;

// A dog with every field half full, a few accented letters and a character
// that markup must escape, as real cards have them.
Record sampleDog(int number)
{
    const RecordLayout &layout = DogRecord::layout();
    Record record = SampleArchives::halfFull(layout);
    for (int field = 0; field < layout.fieldCount(); ++field) {
        QString text = record.value(field);
        if (text.size() > 8)
            record.setValue(field, text.replace(2, 6, QStringLiteral("è & à ")));
    }
    record.setValue(DogRecord::Nome, QStringLiteral("Cane %1").arg(number));
    return record;
}

QString archivePath(qint64 records)
{
    return SampleArchives::written(QStringLiteral("cani_%1.pro").arg(records), records,
        [](qint64 i) { return sampleDog(int(i + 1)); });
}

// The yardstick: the archive read front to back, then as many bytes as the
// document holds written to a file, both in 64 KiB blocks. The export's file
// is synced to stable storage before it replaces the old one, so the raw
// write is synced too.
void rawReadAndWrite(const QString &archive, const QString &out, qint64 outputBytes)
{
    QByteArray block(64 * 1024, 'x');
    QFile in(archive);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        qFatal("cannot read %s", qPrintable(archive));
    while (in.read(block.data(), block.size()) > 0)
        benchmark::DoNotOptimize(block.data());
    QFile file(out);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        qFatal("cannot write %s", qPrintable(out));
    for (qint64 left = outputBytes; left > 0; left -= block.size())
        file.write(block.constData(), std::min<qint64>(left, block.size()));
    ::fsync(file.handle());
}

// Resident memory in KiB: now, and the peak since the last reset.
qint64 statusKiB(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toLongLong();
    return -1;
}

// Starts counting the peak resident memory again from the current one.
void resetPeakResident()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

// The memory in use: resident, after the heap has returned what it can. The
// grid's blocks are mapped on their own, outside the heap's own counts.
qint64 memoryInUse()
{
    malloc_trim(0);
    return statusKiB("VmRSS:") * 1024;
}

void exportDogs(benchmark::State &state)
{
    const qint64 records = state.range(0);
    const QString archive = archivePath(records);
    const QString document = SampleArchives::folder().filePath(QStringLiteral("Cani.xls"));
    const QString raw = SampleArchives::folder().filePath(QStringLiteral("raw.xls"));
    const SpreadsheetExports::ArchiveExport &dogs = SpreadsheetExports::dogs();

    const auto exportOnce = [&](const ExportGrid &grid) {
        writeWholeFile(document, [&](QIODevice &device) {
            writeGridSpreadsheet(device, dogs.format, grid);
            return true;
        });
    };
    // One export first, untimed, tells how many bytes the raw write writes.
    {
        ExportGrid grid(dogs.format.columns);
        grid.setRows(SpreadsheetExports::readArchiveRows(archive, dogs));
        exportOnce(grid);
    }
    const qint64 outputBytes = QFileInfo(document).size();

    double rawTotal = 0;
    double rawCpu = 0;
    double exportCpu = 0;
    double fillTotal = 0;
    double writeTotal = 0;
    qint64 gridBytes = 0;
    qint64 writePeakKiB = 0;
    for (auto _ : state) {
        const double cpuStart = cpuSeconds();
        const auto start = Clock::now();
        rawReadAndWrite(archive, raw, outputBytes);
        const auto rawDone = Clock::now();
        rawCpu += cpuSeconds() - cpuStart;

        state.PauseTiming();
        const qint64 memoryBefore = memoryInUse();
        state.ResumeTiming();
        double cpuMark = cpuSeconds();
        const auto fillStart = Clock::now();
        ExportGrid grid(dogs.format.columns);
        grid.setRows(SpreadsheetExports::readArchiveRows(archive, dogs));
        const auto filled = Clock::now();
        exportCpu += cpuSeconds() - cpuMark;

        state.PauseTiming();
        gridBytes = memoryInUse() - memoryBefore;
        const qint64 residentBefore = statusKiB("VmRSS:");
        resetPeakResident();
        state.ResumeTiming();
        cpuMark = cpuSeconds();
        const auto writeStart = Clock::now();
        exportOnce(grid);
        const auto written = Clock::now();
        exportCpu += cpuSeconds() - cpuMark;
        writePeakKiB = statusKiB("VmHWM:") - residentBefore;

        rawTotal += seconds(rawDone - start);
        fillTotal += seconds(filled - fillStart);
        writeTotal += seconds(written - writeStart);
        state.SetIterationTime(seconds(filled - fillStart) + seconds(written - writeStart));
    }
    const double n = double(state.iterations());
    state.counters["raw_ms"] = 1000.0 * rawTotal / n;
    state.counters["fill_ms"] = 1000.0 * fillTotal / n;
    state.counters["write_ms"] = 1000.0 * writeTotal / n;
    state.counters["ratio_to_raw"] = (fillTotal + writeTotal) / rawTotal;
    state.counters["cpu_ratio_to_raw"] = exportCpu / rawCpu;
    state.counters["document_MiB"] = double(outputBytes) / (1 << 20);
    state.counters["grid_bytes_per_record"] = double(gridBytes) / double(records);
    state.counters["write_peak_rss_KiB"] = double(writePeakKiB);
}

// The export window's reading alone: the grid filled from the archive, set
// against a raw read of the same archive.
void readDogRows(benchmark::State &state)
{
    const QString archive = archivePath(state.range(0));
    int rows = 0;
    RawReadYardstick::measure(state, archive, [&] {
        rows = SpreadsheetExports::readArchiveRows(archive, SpreadsheetExports::dogs()).rowCount();
        benchmark::DoNotOptimize(rows);
    });
    state.counters["rows"] = double(rows);
}

} // namespace

BENCHMARK(readDogRows)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(exportDogs)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
