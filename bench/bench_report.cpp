// The printed list at 1,000, 10,000 and 100,000 lines: laying it out into
// pages, and writing it as a PDF file, each set against a plain read of the
// same lines' bytes in the same iteration.

#include "app/Fonts.h"
#include "export/printing/ListReport.h"
#include "export/report/ReportPainter.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

const QDate today(2024, 2, 28);

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

// Result lines as the list windows build them: fixed columns, about 120 characters.
const QStringList &listLines(int count)
{
    static QMap<int, QStringList> made;
    if (!made.contains(count)) {
        QStringList lines;
        lines.reserve(count);
        for (int i = 1; i <= count; ++i)
            lines.append(QStringLiteral("%1  %2 %3 %4 %5 %6")
                             .arg(i, 6)
                             .arg(QStringLiteral("ROSSI MARIO %1").arg(i % 977), -24)
                             .arg(QStringLiteral("VIA DEI MILLE %1").arg(i % 311), -28)
                             .arg(QStringLiteral("ROMA (RM)"), -18)
                             .arg(QStringLiteral("06-1234567"), -14)
                             .arg(QStringLiteral("%1,50").arg(i % 1000), 10));
        made.insert(count, lines);
    }
    return made[count];
}

// The same lines as a file, for the yardstick.
QString linesFile(int count)
{
    const QString path = folder().filePath(QStringLiteral("lines_%1.txt").arg(count));
    if (!QFileInfo::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        file.write(listLines(count).join(QLatin1Char('\n')).toUtf8());
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

// Filling the list template and laying it out; with writePdf, also writing
// every page to a PDF file.
void printedList(benchmark::State &state, int count, bool writePdf)
{
    const QString source = linesFile(count);
    const QStringList &lines = listLines(count);
    const QString pdf = folder().filePath(QStringLiteral("list_%1.pdf").arg(count));
    double rawTotal = 0;
    double listTotal = 0;
    std::size_t pages = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        rawRead(source);
        const auto rawDone = Clock::now();

        const Report::PreparedReport report
            = Report::prepare(listReport(QStringLiteral("Riepilogo cani in archivio"), lines), today);
        if (writePdf && Report::exportPdf(report, pdf))
            state.SkipWithError("the PDF file could not be written");
        pages = report.pages.size();
        const auto listDone = Clock::now();

        rawTotal += seconds(rawDone - start);
        listTotal += seconds(listDone - rawDone);
        state.SetIterationTime(seconds(listDone - rawDone));
    }
    state.counters["raw_ms"] = 1000.0 * rawTotal / double(state.iterations());
    state.counters["ratio_to_raw"] = listTotal / rawTotal;
    state.counters["pages"] = double(pages);
    if (writePdf)
        state.counters["pdf_MiB"] = double(QFileInfo(pdf).size()) / (1024.0 * 1024.0);
    state.counters["max_rss_MiB"] = maxResidentMiB();
}

void registerBenchmarks()
{
    for (const bool writePdf : { false, true })
        for (const int count : { 1000, 10000, 100000 }) {
            const std::string name = std::string(writePdf ? "list_pdf/" : "list_prepare/") + std::to_string(count);
            benchmark::RegisterBenchmark(name.c_str(), printedList, count, writePdf)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts come from the font database, which needs a GUI application but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Fonts::installSubstitutes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
