// Writes what the program ships (the build then places it, see
// zampora_ship_file):
//   zampora_delivered manual PATH     the manual, from the help pages, as PDF
//   zampora_delivered settings PATH   the settings file with the initial
//                                     password

#include "core/AccessPassword.h"
#include "help/HelpPages.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <cstdio>

namespace {

bool writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool writeManual(const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(QStringLiteral("Zampora - Guida all'utilizzo del software"));
        pdf.setCreator(QStringLiteral("Zampora"));
        // The text document keeps a margin of 2 cm of its own on every side.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
            QPageLayout::Millimeter));
        pdf.setResolution(300);
        QTextDocument document;
        document.setHtml(manualHtml());
        document.print(&pdf);
    }
    return file.commit();
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
        return writeWhole(path, AccessPassword::initialSettings()) ? 0 : 1;
    }
    if (what == "manual") {
        QGuiApplication app(argc, argv);
        return writeManual(path) ? 0 : 1;
    }
    std::fputs("usage: zampora_delivered manual|settings PATH\n", stderr);
    return 2;
}
