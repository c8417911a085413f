// The backup of a program folder of 1,000 to 100,000 dog cards (about 11 MB
// to 1.1 GB of records, with an album of photos beside them), set in each
// iteration against `cp -r` of the same folder, the same copy with every file
// synced to disk (the backup syncs its archive before renaming it into
// place), and a plain read of the same bytes.

#include "RawReadYardstick.h"
#include "backup/Backup.h"
#include "storage/DogRecord.h"
#include "storage/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

using RawReadYardstick::Clock;
using RawReadYardstick::seconds;

QTemporaryDir &work()
{
    static QTemporaryDir dir;
    return dir;
}

// Photos do not compress and records mostly hold text: random bytes for the
// one, a repeated card for the other.
QByteArray photo(int number)
{
    QByteArray bytes(100 * 1024, Qt::Uninitialized);
    QRandomGenerator generator { quint32(number) };
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    return bytes;
}

QString programFolder(qint64 dogs)
{
    const QString path = work().filePath(QStringLiteral("cartella_%1").arg(dogs));
    if (QFileInfo::exists(path))
        return path;
    QDir().mkpath(path + QStringLiteral("/Album"));
    QFile archive(path + QStringLiteral("/Anagrafica_Cani.pro"));
    if (!archive.open(QIODevice::WriteOnly))
        qFatal("cannot write the dog archive");
    QByteArray card(DogRecord::layout().recordSize(), 'a');
    const QByteArray chunk = card.repeated(96);
    for (qint64 written = 0; written < dogs; written += 96)
        archive.write(chunk.constData(), qMin<qint64>(96, dogs - written) * card.size());
    for (qint64 n = 1; n <= dogs / 100; ++n) {
        QFile file(path + QStringLiteral("/Album/Cane_%1.jpg").arg(n));
        if (!file.open(QIODevice::WriteOnly) || file.write(photo(int(n))) != 100 * 1024)
            qFatal("cannot write a photo");
    }
    return path;
}

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator walk(folder, QDir::Files, QDirIterator::Subdirectories);
    while (walk.hasNext())
        files.append(walk.next());
    return files;
}

qint64 rawRead(const QString &folder)
{
    QByteArray block(1 << 20, Qt::Uninitialized);
    qint64 total = 0;
    for (const QString &path : filesUnder(folder)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            qFatal("cannot read %s", qPrintable(path));
        qint64 got;
        while ((got = file.read(block.data(), block.size())) > 0) {
            total += got;
            benchmark::DoNotOptimize(block.data());
        }
    }
    return total;
}

void copyWithCp(const QString &from, const QString &to)
{
    if (QProcess::execute(QStringLiteral("cp"), { QStringLiteral("-r"), from, to }) != 0)
        qFatal("cp -r failed");
}

void syncEveryFile(const QString &folder)
{
    for (const QString &path : filesUnder(folder)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || ::fsync(file.handle()) != 0)
            qFatal("cannot sync %s", qPrintable(path));
    }
}

void backup(benchmark::State &state)
{
    const qint64 dogs = state.range(0);
    const QString folder = programFolder(dogs);
    const QString copy = work().filePath(QStringLiteral("copia"));
    const QString zip = work().filePath(QStringLiteral("copia.zip"));
    double backupTotal = 0, cpTotal = 0, cpSyncedTotal = 0, rawTotal = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        bytes = rawRead(folder);
        const auto rawDone = Clock::now();
        copyWithCp(folder, copy);
        const auto cpDone = Clock::now();
        syncEveryFile(copy);
        const auto syncDone = Clock::now();
        Backup::create(ProgramFolder(folder), zip);
        const auto backupDone = Clock::now();

        rawTotal += seconds(rawDone - start);
        cpTotal += seconds(cpDone - rawDone);
        cpSyncedTotal += seconds(syncDone - rawDone);
        backupTotal += seconds(backupDone - syncDone);
        state.SetIterationTime(seconds(backupDone - syncDone));
        QDir(copy).removeRecursively();
        QFile::remove(zip);
    }
    state.counters["MiB"] = double(bytes) / (1 << 20);
    state.counters["ratio_to_cp"] = backupTotal / cpTotal;
    state.counters["ratio_to_cp_synced"] = backupTotal / cpSyncedTotal;
    state.counters["ratio_to_raw"] = backupTotal / rawTotal;
    state.SetBytesProcessed(bytes * state.iterations());
}

} // namespace

BENCHMARK(backup)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
