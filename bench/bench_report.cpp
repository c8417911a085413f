// The printed list at 1,000, 10,000 and 100,000 lines: laying it out into
// pages, and writing it as a PDF file, each set against a plain read of the
// same lines' bytes in the same iteration.

#include "RawReadYardstick.h"
#include "report/ReportPainter.h"
#include "report/printing/ListReport.h"
#include "ui/Fonts.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

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

// Filling the list template and laying it out; with writePdf, also writing
// every page to a PDF file.
void printedList(benchmark::State &state, int count, bool writePdf)
{
    const QString source = linesFile(count);
    const QStringList &lines = listLines(count);
    const QString pdf = folder().filePath(QStringLiteral("list_%1.pdf").arg(count));
    std::size_t pages = 0;
    RawReadYardstick::measure(state, source, [&] {
        const Report::PreparedReport report
            = Report::prepare(listReport(QStringLiteral("Riepilogo cani in archivio"), lines), today);
        if (writePdf && Report::exportPdf(report, pdf))
            state.SkipWithError("the PDF file could not be written");
        pages = report.pages.size();
    });
    state.counters["pages"] = double(pages);
    if (writePdf)
        state.counters["pdf_MiB"] = double(QFileInfo(pdf).size()) / (1024.0 * 1024.0);
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
