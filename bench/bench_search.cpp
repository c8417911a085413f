// The searches and the flag lists over archives of 1,000 to 100,000 records,
// each set against a plain sequential read of the same file in the same
// iteration: the dog search with no criterion (every card listed) and with
// one criterion, the owner and schedule searches with one criterion, the
// owners to recontact and the schedule's summary of payments to make.
// Reading records, building lines and matching are the whole job of each, so
// it should cost little more than the read itself. Sorting the lines for the
// list is reported on its own.

#include "RawReadYardstick.h"
#include "SampleArchives.h"
#include "search/ArchiveSearch.h"
#include "search/ResultLines.h"
#include "storage/DogRecord.h"
#include "storage/Flags.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ScheduleRecord.h"

#include <QDate>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

using namespace RawReadYardstick;

// One list over one archive: what its window takes and how it writes a line.
struct ListScan
{
    const char *name;
    const RecordLayout &layout;
    // Fills the fields a record is taken by, so that one record in five is.
    void (*vary)(Record &record, int number);
    std::function<bool(RecordView)> accepted;
    ArchiveSearch::LineOf lineOf;
};

const QStringList breeds = { QStringLiteral("Pastore tedesco"), QStringLiteral("Labrador"),
    QStringLiteral("Setter inglese"), QStringLiteral("Bassotto"), QStringLiteral("Barboncino") };

void varyDog(Record &dog, int number)
{
    dog.setValue(DogRecord::Nome, QStringLiteral("Cane %1").arg((number * 7919) % 100003));
    dog.setValue(DogRecord::Razza, breeds[number % breeds.size()]);
}

void varyOwner(Record &owner, int number)
{
    owner.setValue(OwnerRecord::Cliente, QStringLiteral("Cliente %1").arg((number * 7919) % 100003));
    owner.setValue(OwnerRecord::ComuneRes, number % 5 == 0 ? QStringLiteral("Bologna") : QStringLiteral("Modena"));
    owner.setValue(OwnerRecord::Ricontatta, FlagText::of(number % 5 == 0));
}

void varyEntry(Record &entry, int number)
{
    entry.setValue(ScheduleRecord::Data,
        QDate(2024, 1, 1).addDays(number % 366).toString(QStringLiteral("dd/MM/yyyy")));
    entry.setValue(ScheduleRecord::Dettagli,
        number % 5 == 0 ? QStringLiteral("Richiamo vaccino") : QStringLiteral("Toelettatura"));
    entry.setValue(ScheduleRecord::Effettuata, FlagText::of(number % 5 != 0));
}

// An archive of records with every field half full, varied so that lines differ.
QString archivePath(const ListScan &scan, qint64 records)
{
    Record record = SampleArchives::halfFull(scan.layout);
    return SampleArchives::written(QStringLiteral("%1_%2.pro").arg(QLatin1StringView(scan.name)).arg(records),
        records, [&](qint64 i) {
            scan.vary(record, int(i + 1));
            return record;
        });
}

std::function<bool(RecordView)> matching(QList<ArchiveSearch::Criterion> criteria)
{
    return [criteria = ArchiveSearch::Criteria(criteria)](RecordView record) { return criteria.matches(record); };
}

const ListScan scans[] = {
    { "dog_search_all", DogRecord::layout(), varyDog, matching({}), ResultLines::dogSearch },
    { "dog_search_one_criterion", DogRecord::layout(), varyDog,
        matching({ { DogRecord::Razza, QStringLiteral("SETTER") } }), ResultLines::dogSearch },
    { "owner_search_one_criterion", OwnerRecord::layout(), varyOwner,
        matching({ { OwnerRecord::ComuneRes, QStringLiteral("bologna") } }), ResultLines::ownerSearch },
    { "schedule_search_one_criterion", ScheduleRecord::layout(), varyEntry,
        matching({ { ScheduleRecord::Dettagli, QStringLiteral("vaccino") } }), ResultLines::scheduleEntry },
    { "recontact_list", OwnerRecord::layout(), varyOwner,
        ArchiveSearch::FieldHolds(OwnerRecord::Ricontatta, FlagText::yes()), ResultLines::ownerToRecontact },
    { "summary_payments_to_make", ScheduleRecord::layout(), varyEntry,
        ArchiveSearch::FieldHolds(ScheduleRecord::Effettuata, FlagText::no()), ResultLines::scheduleEntry },
};

// What "Cerca", or the showing of a list, does between opening and closing
// the archive.
ResultLines::Listing collect(const ListScan &scan, const QString &path)
{
    RecordFile file;
    file.openOrCreate(path, scan.layout.recordSize());
    ResultLines::Listing listing;
    ArchiveSearch::collectLines(file, scan.layout, scan.accepted, scan.lineOf, listing);
    file.closeFile();
    return listing;
}

void listScan(benchmark::State &state, const ListScan &scan, qint64 records)
{
    const QString path = archivePath(scan, records);
    double rawTotal = 0;
    double searchTotal = 0;
    double sortTotal = 0;
    qsizetype listed = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        rawRead(path);
        const auto rawDone = Clock::now();
        ResultLines::Listing listing = collect(scan, path);
        const auto searchDone = Clock::now();
        ResultLines::sortAsListed(listing);
        const auto sortDone = Clock::now();
        listed = listing.lines.size();

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
    state.SetBytesProcessed(state.iterations() * records * scan.layout.recordSize());
}

void registerBenchmarks()
{
    for (const ListScan &scan : scans) {
        for (const qint64 records : { 1000, 10000, 100000 }) {
            const std::string name = std::string(scan.name) + '/' + std::to_string(records);
            benchmark::RegisterBenchmark(name.c_str(), listScan, scan, records)
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
