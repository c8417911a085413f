// The manual the build delivers, read back as a reader would: its title page
// with the version, the contents with the page each chapter starts on, the
// chapters in order, and one picture with its caption for every window it
// explains.

#include "AppFixture.h"
#include "PdfTools.h"

#include "app/delivered/ManualFigures.h"
#include "core/Version.h"
#include "help/HelpPages.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

QString manualPath()
{
    return QStringLiteral(ZAMPORA_PROGRAM_FOLDER "/Guida.pdf");
}

// The images "pdfimages -list" finds, without the transparency masks that
// belong to them.
int imageCount(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfimages"), { QStringLiteral("-list"), path });
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1;
    int images = 0;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n'))
        if (line.simplified().split(' ').value(2) == "image")
            ++images;
    return images;
}

// Text as a reader searches it: the typesetter's ligatures ("ﬁ") undone,
// spaces folded.
QString folded(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC).simplified();
}

} // namespace

class tst_Manual : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every chapter's title stands on the page the contents give, in order,
    // after a title page that tells the version.
    void chaptersInOrderWithTheirPages()
    {
        const QStringList pages = pdfText(manualPath()).split(u'\f');
        QVERIFY(folded(pages.first()).contains(QStringLiteral("Versione ") + programVersion()));
        const QString contents = folded(pages.value(1));
        QVERIFY(contents.startsWith(QStringLiteral("Indice")));

        const QList<HelpText> chapters = manualChapters();
        int previousPage = 1;
        for (qsizetype i = 0; i < chapters.size(); ++i) {
            const QString heading = QStringLiteral("%1. %2").arg(i + 1).arg(chapters[i].title);
            const QRegularExpression line(QRegularExpression::escape(heading) + QStringLiteral(" (\\d+)"));
            const QRegularExpressionMatch listed = line.match(contents);
            QVERIFY2(listed.hasMatch(), qPrintable(heading));
            const int page = listed.captured(1).toInt();
            QVERIFY2(page > previousPage, qPrintable(heading));
            QVERIFY2(folded(pages.value(page - 1)).startsWith(heading), qPrintable(heading));
            previousPage = page;
        }
    }

    // One picture a figure, each captioned in its chapter; the file stays
    // small enough to send by e-mail.
    void onePictureForEveryWindow()
    {
        const QList<ManualFigure> figures = manualFigures();
        QCOMPARE(imageCount(manualPath()), int(figures.size()));
        const QString text = folded(pdfText(manualPath()));
        for (qsizetype i = 0; i < figures.size(); ++i) {
            const QString caption = QStringLiteral("Figura %1. %2").arg(i + 1).arg(figures[i].caption);
            QVERIFY2(text.contains(caption), qPrintable(caption));
        }
        QVERIFY(QFileInfo(manualPath()).size() < 8 * 1024 * 1024);
    }

    // A window too dense for the text's width stands alone, with its caption,
    // on a landscape page; the pages around it stay portrait.
    void landscapeFiguresStandAlone()
    {
        const QStringList pages = pdfText(manualPath()).split(u'\f');
        const QList<ManualFigure> figures = manualFigures();
        int turned = 0;
        for (qsizetype i = 0; i < figures.size(); ++i) {
            if (figures[i].page != Manual::FigurePage::Landscape)
                continue;
            ++turned;
            const QString caption = QStringLiteral("Figura %1. %2").arg(i + 1).arg(figures[i].caption);
            const auto page = std::find_if(pages.begin(), pages.end(),
                [&](const QString &text) { return folded(text).contains(caption); });
            QVERIFY2(page != pages.end(), qPrintable(caption));
            const int number = int(page - pages.begin()) + 1;
            QCOMPARE(folded(*page), caption + u' ' + QString::number(number));
            const QSizeF size = pdfPageSize(manualPath(), number);
            QVERIFY2(size.width() > size.height(), qPrintable(caption));
            for (int beside : { number - 1, number + 1 }) {
                const QSizeF besideSize = pdfPageSize(manualPath(), beside);
                QVERIFY2(besideSize.width() < besideSize.height(), qPrintable(caption));
            }
        }
        QVERIFY(turned > 0);
    }
};

ZAMPORA_GUI_TEST_MAIN(tst_Manual)
#include "tst_manual.moc"
