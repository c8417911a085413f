// Writes what the program ships (the build then places it, see
// zampora_ship_file):
//   zampora_delivered manual PATH     the manual, from the help pages and the
//                                     pictures of their windows, as PDF
//   zampora_delivered settings PATH   the settings file with the initial
//                                     password

#include "app/ToolkitTexts.h"
#include "app/delivered/ManualPictures.h"
#include "app/delivered/SampleFolder.h"
#include "core/AccessPassword.h"
#include "help/Manual.h"
#include "storage/WholeFile.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The windows are shown offscreen on a screen of 1366 × 768 with one and a
// half times its pixels: pictures that print sharp on A4 (about 300 dots per
// inch at the text's width) and keep the manual to a few megabytes.
QByteArray offscreenScreen()
{
    return R"({ "screens": [ { "name": "manuale", "x": 0, "y": 0, "width": 1366, "height": 768,
                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1.5 } ] })";
}

int writeManual(int argc, char *argv[], const QString &path)
{
    QTemporaryDir work;
    if (!work.isValid() || writeWholeFile(work.filePath(QStringLiteral("schermo.json")), offscreenScreen()))
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + work.filePath(QStringLiteral("schermo.json")).toLocal8Bit());
    qputenv("QT_FONT_DPI", "96");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zampora"));
    QApplication::setApplicationDisplayName(QString());
    Fonts::installSubstitutes();
    ToolkitTexts::installItalian();

    const QString sample = work.filePath(QStringLiteral("cartella"));
    if (!QDir().mkpath(sample) || !SampleFolder::fill(sample)) {
        std::fputs("zampora_delivered: the sample folder could not be written\n", stderr);
        return 1;
    }
    QString error;
    const QList<Manual::Figure> figures = ManualPictures::take(sample, error);
    if (figures.isEmpty()) {
        std::fprintf(stderr, "zampora_delivered: %s\n", qPrintable(error));
        return 1;
    }
    return Manual::write(path, figures) ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: zampora_delivered manual|settings PATH\n", stderr);
        return 2;
    }
    const QByteArray what = argv[1];
    const QString path = QString::fromLocal8Bit(argv[2]);
    if (what == "settings") {
        return writeWholeFile(path, AccessPassword::initialSettings()) ? 1 : 0;
    }
    if (what == "manual")
        return writeManual(argc, argv, path);
    std::fputs("usage: zampora_delivered manual|settings PATH\n", stderr);
    return 2;
}
