// The weight log window opening over logs of 1,000, 10,000 and 100,000
// weighings, set against a plain sequential read of the same weight file in
// the same iteration: the window made, the log read into its table and its
// chart, and the whole window drawn once (the chart with every point).
// Offscreen, with the program's own platform; nothing is asked or shown.
// readLog times the reading of the log alone, against the same yardstick.

#include "RawReadYardstick.h"
#include "SampleArchives.h"
#include "app/QtPlatform.h"
#include "core/DateText.h"
#include "kennel/WeightLog.h"
#include "dogs/frmPesoCane.h"
#include "platform/AppContext.h"
#include "storage/WeightRecord.h"
#include "ui/Fonts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

namespace {

// A log of a weighing a day from 1 January 1900, its weights rising and
// falling between 2 and 62 kg, every other one with a short note.
QString logFolder(qint64 records)
{
    const QString folder = QStringLiteral("pesi_%1").arg(records);
    QDir(SampleArchives::folder().path()).mkpath(folder);
    Record weighing(WeightRecord::layout());
    const QDate first(1900, 1, 1);
    SampleArchives::written(folder + u'/' + WeightRecord::fileNameForDog(1), records, [&](qint64 i) {
        weighing.setValue(WeightRecord::Data, DateText::format(first.addDays(i)));
        weighing.setValue(WeightRecord::Peso, WeightLog::kilograms(2000 + int((i * 37) % 60000)));
        weighing.setValue(WeightRecord::Note, i % 2 ? QStringLiteral("dopo la passeggiata") : QString());
        return weighing;
    });
    return SampleArchives::folder().filePath(folder);
}

void openWindow(benchmark::State &state)
{
    const QString folder = logFolder(state.range(0));
    QtMessageBoxes messages;
    QtFileDialogs fileDialogs;
    DesktopShell shell;
    SystemClock clock;
    PrimaryScreen screen;
    MediaSound sound;
    SystemPrinting printing;
    DialogProgress progress;
    AppContext context { ProgramFolder(folder),
        { messages, fileDialogs, shell, clock, screen, sound, printing, progress } };
    const frmPesoCane::Dog dog { QStringLiteral("Birba"), QStringLiteral("Labrador"), QStringLiteral("1"),
                                 QStringLiteral("01/01/1900") };
    int rows = 0;
    RawReadYardstick::measure(state, context.folder.filePath(WeightRecord::fileNameForDog(1)), [&] {
        frmPesoCane window(context, nullptr, dog, [](const QString &) {});
        window.show();
        benchmark::DoNotOptimize(window.grab());
        rows = window.findChild<QAbstractItemView *>()->model()->rowCount();
    });
    state.counters["weighings"] = double(rows);
}

// The log alone, as the window reads it: the file scanned, every weighing
// decoded, the list sorted by date.
void readLog(benchmark::State &state)
{
    const QString path = QDir(logFolder(state.range(0))).filePath(WeightRecord::fileNameForDog(1));
    qsizetype weighings = 0;
    RawReadYardstick::measure(state, path, [&] { weighings = WeightLog::read(path).weighings.size(); });
    state.counters["weighings"] = double(weighings);
}

} // namespace

BENCHMARK(readLog)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(openWindow)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fonts::installSubstitutes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
