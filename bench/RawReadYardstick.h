#pragma once

// What the scans are measured against: the same bytes read front to back in
// 64 KiB blocks, in the same iteration, so that the ratio tells what the
// work adds to the reading the disk costs anyway, whatever the machine.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <sys/resource.h>

namespace RawReadYardstick {

using Clock = std::chrono::steady_clock;

inline double seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

// Processor time of this process, which other programs on a busy machine do
// not distort as they distort the time on the clock.
inline double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

inline void rawRead(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        qFatal("cannot read %s", qPrintable(path));
    QByteArray block(64 * 1024, Qt::Uninitialized);
    while (file.read(block.data(), block.size()) > 0)
        benchmark::DoNotOptimize(block.data());
}

inline double maxResidentMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

/// Runs the benchmark: each iteration reads `path` raw, then does `work`,
/// whose time alone is the iteration's. Reports the raw read's mean
/// (`raw_ms`), the work's time over the read's (`ratio_to_raw`), the same
/// for processor time (`cpu_ratio_to_raw`) and the peak memory of the process.
template <typename Work>
void measure(benchmark::State &state, const QString &path, Work &&work)
{
    double rawTotal = 0;
    double workTotal = 0;
    double rawCpu = 0;
    double workCpu = 0;
    for (auto _ : state) {
        const double cpuStart = cpuSeconds();
        const auto start = Clock::now();
        rawRead(path);
        const auto rawDone = Clock::now();
        const double cpuRawDone = cpuSeconds();
        work();
        const auto workDone = Clock::now();
        workCpu += cpuSeconds() - cpuRawDone;
        rawCpu += cpuRawDone - cpuStart;
        rawTotal += seconds(rawDone - start);
        workTotal += seconds(workDone - rawDone);
        state.SetIterationTime(seconds(workDone - rawDone));
    }
    state.counters["raw_ms"] = 1000.0 * rawTotal / double(state.iterations());
    state.counters["ratio_to_raw"] = workTotal / rawTotal;
    state.counters["cpu_ratio_to_raw"] = workCpu / rawCpu;
    state.counters["max_rss_MiB"] = maxResidentMiB();
}

} // namespace RawReadYardstick
