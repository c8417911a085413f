#include "AppFixture.h"
#include "ChildProcess.h"
#include "SmallDisk.h"
#include "PdfTools.h"

#include "report/ReportPainter.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace Report;

namespace {

const QDate today(2024, 2, 28);

// A4 portrait with margins of 10: the printable area runs from 10 to 287.
ReportTemplate sheet()
{
    return ReportTemplate(QSizeF(210, 297), Orientation::Portrait, QMarginsF(10, 10, 10, 10));
}

TextObject text(const QString &name, QRectF rect, const QString &content = {})
{
    return TextObject { .name = name, .rect = rect, .text = content };
}

// A title band, a body of numbered lines that may split, and a closing band.
ReportTemplate splitList(int lineCount)
{
    ReportTemplate report = sheet();
    report.addBand(QStringLiteral("Titolo"), 8).add(text(QStringLiteral("txtTitolo"), QRectF(0, 1, 190, 5), QStringLiteral("TITOLO")));
    QStringList lines;
    for (int i = 1; i <= lineCount; ++i)
        lines.append(QStringLiteral("riga %1").arg(i, 3, 10, QLatin1Char('0')));
    Band &body = report.addBand(QStringLiteral("MasterData"), 0, true);
    TextObject &lineText = body.add(text(QStringLiteral("txtRiepilogo"), QRectF(0, 0, 190, 0), lines.join(QLatin1Char('\n'))));
    ReportTemplate::setHeight(lineText, 12.822 * lineCount);
    ReportTemplate::setHeight(body, 12.822 * lineCount + 10);
    report.addBand(QStringLiteral("Chiusura"), 8).add(text(QStringLiteral("txtPagina"), QRectF(0, 2, 190, 5), QStringLiteral("FINE")));
    return report;
}

std::vector<TextElement> textsOf(const Page &page)
{
    std::vector<TextElement> texts;
    for (const Element &element : page.elements)
        if (const auto *t = std::get_if<TextElement>(&element))
            texts.push_back(*t);
    return texts;
}

// A band of the placement table: height, whether it may split, and its
// one-line texts with their tops.
struct BandSpec
{
    qreal height;
    bool canSplit;
    QList<std::pair<QString, qreal>> texts;
};
// Where a text ends up: page (0-based) and top on the sheet.
struct Placement
{
    QString text;
    int page;
    qreal top;
};

QImage rendered(const PreparedReport &report)
{
    QImage image(840, 1188, QImage::Format_RGB32); // 4 pixels a millimetre
    image.setDotsPerMeterX(4000);
    image.setDotsPerMeterY(4000);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, report, 0);
    return image;
}

bool inkInColumns(const QImage &image, int fromX, int toX, int fromY, int toY)
{
    for (int y = fromY; y < toY; ++y)
        for (int x = fromX; x < toX; ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

} // namespace

Q_DECLARE_METATYPE(QList<BandSpec>)
Q_DECLARE_METATYPE(QList<Placement>)

class TestReportEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findObject_byNameAndKind();
    void splitBand_runsOverPages_titleOnceClosingOnceLinesWholeInOrder();
    void bands_placedOnThePageWhereTheyFit_data();
    void bands_placedOnThePageWhereTheyFit();
    void dateField_expandsOnlyInTheObjectThatAsks();
    void landscape_turnsTheSheet();
    void text_wrapsOnlyWhenAsked_andKeepsToItsObject();
    void longLine_isCutAtTheObjectsRightEdge();
    void picture_isFittedAndCentredInItsArea();
    void exportPdf_writesEveryPage();
    void exportPdf_unwritablePath_reportsAndCreatesNothing_data();
    void exportPdf_unwritablePath_reportsAndCreatesNothing();
    void exportPdf_readOnlyFolder_keepsTheEarlierFileWhole();
    void exportPdf_fullDisk_keepsTheEarlierFileWhole();
};

void TestReportEngine::findObject_byNameAndKind()
{
    ReportTemplate report = sheet();
    Band &band = report.addBand(QStringLiteral("Dati"), 20);
    band.add(text(QStringLiteral("txtNome"), QRectF(0, 0, 50, 5)));
    band.add(PictureObject { QStringLiteral("imgFoto"), QRectF(0, 5, 50, 10), {} });

    QCOMPARE(report.find<TextObject>(QStringLiteral("txtNome"))->name, QStringLiteral("txtNome"));
    QCOMPARE(report.find<PictureObject>(QStringLiteral("imgFoto"))->name, QStringLiteral("imgFoto"));
    QCOMPARE(report.findBand(QStringLiteral("Dati")), &band);
    QVERIFY(!report.find<TextObject>(QStringLiteral("imgFoto")));
    QVERIFY(!report.find<TextObject>(QStringLiteral("txtAltro")));
    QVERIFY(!report.findBand(QStringLiteral("txtNome")));
}

void TestReportEngine::splitBand_runsOverPages_titleOnceClosingOnceLinesWholeInOrder()
{
    constexpr int lineCount = 200;
    const PreparedReport prepared = prepare(splitList(lineCount), today);
    QVERIFY(prepared.pages.size() >= 3);

    QStringList body;
    for (int page = 0; page < int(prepared.pages.size()); ++page) {
        const std::vector<TextElement> texts = textsOf(prepared.pages[page]);
        QVERIFY(!texts.empty());
        for (const TextElement &t : texts) {
            QVERIFY2(t.rect.top() >= 10 - 1e-6 && t.rect.bottom() <= 287 + 1e-6, qPrintable(t.text));
            if (t.text.startsWith(QLatin1String("riga")))
                body.append(t.text);
        }
        // The title opens the first page only; later pages start at the top margin.
        const bool first = page == 0;
        QCOMPARE(texts.front().text == QLatin1String("TITOLO"), first);
        if (!first)
            QCOMPARE(texts.front().rect.top(), 10.0);
        // A page ends only when the next line would not fit on it.
        if (page + 1 < int(prepared.pages.size())) {
            const TextElement &last = texts.back();
            QVERIFY2(last.rect.bottom() + last.rect.height() > 287, qPrintable(last.text));
        }
    }
    QStringList expected;
    for (int i = 1; i <= lineCount; ++i)
        expected.append(QStringLiteral("riga %1").arg(i, 3, 10, QLatin1Char('0')));
    QCOMPARE(body, expected);

    const std::vector<TextElement> lastPage = textsOf(prepared.pages.back());
    QCOMPARE(lastPage.back().text, QStringLiteral("FINE"));
    QVERIFY(lastPage.back().rect.top() > lastPage[lastPage.size() - 2].rect.bottom());
    QCOMPARE(int(std::count_if(lastPage.begin(), lastPage.end(), [](const TextElement &t) { return t.text == QLatin1String("FINE"); })), 1);
}

void TestReportEngine::bands_placedOnThePageWhereTheyFit_data()
{
    QTest::addColumn<QList<BandSpec>>("bands");
    QTest::addColumn<QList<Placement>>("placements");
    const auto t = [](const char *s) { return QString::fromLatin1(s); };

    QTest::newRow("one below the other")
        << QList<BandSpec> { { 100, false, { { t("A"), 0 } } }, { 100, false, { { t("B"), 0 } } } }
        << QList<Placement> { { t("A"), 0, 10 }, { t("B"), 0, 110 } };
    QTest::newRow("no room left: next page")
        << QList<BandSpec> { { 250, false, { { t("A"), 0 } } }, { 40, false, { { t("B"), 0 } } } }
        << QList<Placement> { { t("A"), 0, 10 }, { t("B"), 1, 10 } };
    QTest::newRow("split between lines")
        << QList<BandSpec> { { 250, false, { { t("A"), 0 } } }, { 40, true, { { t("B"), 0 }, { t("C"), 25 } } } }
        << QList<Placement> { { t("A"), 0, 10 }, { t("B"), 0, 260 }, { t("C"), 1, 10 } };
    QTest::newRow("taller than a page: split anyway")
        << QList<BandSpec> { { 400, false, { { t("A"), 0 }, { t("B"), 300 } } } }
        << QList<Placement> { { t("A"), 0, 10 }, { t("B"), 1, 33 } };
}

void TestReportEngine::bands_placedOnThePageWhereTheyFit()
{
    QFETCH(QList<BandSpec>, bands);
    QFETCH(QList<Placement>, placements);

    ReportTemplate report = sheet();
    for (const BandSpec &wanted : bands) {
        Band &band = report.addBand(QString(), wanted.height, wanted.canSplit);
        for (const auto &[content, top] : wanted.texts)
            band.add(text(content, QRectF(0, top, 100, 4), content));
    }
    const PreparedReport prepared = prepare(report, today);
    for (const Placement &placement : placements) {
        bool found = false;
        for (const TextElement &t : textsOf(prepared.pages.at(placement.page)))
            if (t.text == placement.text) {
                QCOMPARE(t.rect.top(), placement.top);
                found = true;
            }
        QVERIFY2(found, qPrintable(placement.text));
    }
}

void TestReportEngine::dateField_expandsOnlyInTheObjectThatAsks()
{
    ReportTemplate report = sheet();
    Band &band = report.addBand(QStringLiteral("Dati"), 40);
    band.add(text(QStringLiteral("txtRiepilogo"), QRectF(0, 0, 190, 5), QStringLiteral("[DATE] [x] [DATE")));
    TextObject &date = band.add(text(QStringLiteral("txtPagina"), QRectF(0, 10, 190, 5),
        QStringLiteral("Stampa eseguita in data [DATE]")));
    date.expandsDate = true;

    QCOMPARE(reportTexts(prepare(report, today)),
        QStringList({ QStringLiteral("[DATE] [x] [DATE"), QStringLiteral("Stampa eseguita in data 28/02/2024") }));
}

void TestReportEngine::landscape_turnsTheSheet()
{
    ReportTemplate report = sheet();
    report.addBand(QStringLiteral("Dati"), 250).add(text(QStringLiteral("A"), QRectF(0, 0, 10, 4), QStringLiteral("A")));
    report.addBand(QStringLiteral("Altro"), 10).add(text(QStringLiteral("B"), QRectF(0, 0, 10, 4), QStringLiteral("B")));
    report.setOrientation(Orientation::Landscape);

    const PreparedReport prepared = prepare(report, today);
    QCOMPARE(prepared.pageSize, QSizeF(297, 210));
    QCOMPARE(pageLayout(prepared).orientation(), QPageLayout::Landscape);
    QCOMPARE(pageLayout(prepared).pageSize().id(), QPageSize::A4);
    // 190 mm of printable height: the 250 mm band is split, the next starts after it.
    QCOMPARE(prepared.pages.size(), std::size_t(2));
}

void TestReportEngine::text_wrapsOnlyWhenAsked_andKeepsToItsObject()
{
    const QString sentence = QStringLiteral("uno due tre quattro cinque sei sette otto nove dieci");
    ReportTemplate report = sheet();
    Band &band = report.addBand(QStringLiteral("Dati"), 100);
    band.add(text(QStringLiteral("txtUnaRiga"), QRectF(0, 0, 30, 5), sentence));
    TextObject &wrapped = band.add(text(QStringLiteral("txtACapo"), QRectF(0, 10, 30, 60), sentence));
    wrapped.style.wordWrap = true;
    // Five lines in room for three, centred: the first three show from the top.
    TextObject &tooMany = band.add(text(QStringLiteral("txtTroppe"), QRectF(0, 80, 30, 3 * 3.39), QStringLiteral("1\n2\n3\n4\n5")));
    tooMany.style.alignment = Qt::AlignLeft | Qt::AlignVCenter;

    const PreparedReport prepared = prepare(report, today);
    const QStringList texts = reportTexts(prepared);
    QCOMPARE(texts.first(), sentence);
    const QStringList wrappedLines = texts.mid(1, texts.size() - 4);
    QVERIFY2(wrappedLines.size() > 2, qPrintable(wrappedLines.join(QLatin1Char('|'))));
    QCOMPARE(wrappedLines.join(QLatin1Char(' ')), sentence);
    QCOMPARE(texts.mid(texts.size() - 3), QStringList({ QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3") }));
    const std::vector<TextElement> elements = textsOf(prepared.pages.front());
    QCOMPARE(elements[elements.size() - 3].rect.top(), 90.0); // the object's top on the sheet
}

void TestReportEngine::longLine_isCutAtTheObjectsRightEdge()
{
    ReportTemplate report = sheet();
    TextObject &line = report.addBand(QStringLiteral("Dati"), 20).add(text(QStringLiteral("txtRiga"), QRectF(20, 0, 50, 6), QString(200, u'M')));
    line.style.family = QStringLiteral("Courier New");
    line.style.fixedPitch = true;
    line.style.pointSize = 10;

    const QImage image = rendered(prepare(report, today));
    // Object from 30 to 80 mm across, 10 to 16 mm down, at 4 pixels a millimetre.
    QVERIFY(inkInColumns(image, 30 * 4, 80 * 4, 10 * 4, 16 * 4));
    QVERIFY(!inkInColumns(image, 80 * 4 + 1, image.width(), 0, image.height()));
}

void TestReportEngine::picture_isFittedAndCentredInItsArea()
{
    QImage square(100, 100, QImage::Format_RGB32);
    square.fill(Qt::red);
    ReportTemplate report = sheet();
    report.addBand(QStringLiteral("Dati"), 60).add(PictureObject { QStringLiteral("imgFoto"), QRectF(0, 0, 100, 50), square });

    const QImage image = rendered(prepare(report, today));
    // The area spans 10 to 110 mm across and 10 to 60 mm down; the square fills its height, centred.
    const auto at = [&](qreal xMm, qreal yMm) { return QColor(image.pixel(int(xMm * 4), int(yMm * 4))); };
    QCOMPARE(at(60, 35), QColor(Qt::red));
    QCOMPARE(at(36, 12), QColor(Qt::red));
    QCOMPARE(at(84, 58), QColor(Qt::red));
    QCOMPARE(at(33, 35), QColor(Qt::white));
    QCOMPARE(at(87, 35), QColor(Qt::white));
}

void TestReportEngine::exportPdf_writesEveryPage()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Elenco.pdf"));
    const PreparedReport prepared = prepare(splitList(200), today);
    QCOMPARE(exportPdf(prepared, path, { QStringLiteral("Titolo del documento"), {}, {}, {} }), std::nullopt);

    QCOMPARE(pdfInfo(path, QStringLiteral("Pages")).toInt(), int(prepared.pages.size()));
    QVERIFY(pdfInfo(path, QStringLiteral("Page size")).contains(QLatin1String("(A4)")));
    QCOMPARE(pdfInfo(path, QStringLiteral("Title")), QStringLiteral("Titolo del documento"));
    const QString text = pdfText(path);
    QCOMPARE(text.count(QLatin1String("TITOLO")), 1);
    QVERIFY(text.indexOf(QLatin1String("riga 001")) < text.indexOf(QLatin1String("riga 200")));
    QVERIFY(text.indexOf(QLatin1String("riga 200")) < text.indexOf(QLatin1String("FINE")));
}

void TestReportEngine::exportPdf_unwritablePath_reportsAndCreatesNothing_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("missing folder") << QStringLiteral("manca/Elenco.pdf");
    QTest::newRow("a folder of that name") << QStringLiteral("Elenco.pdf");
}

void TestReportEngine::exportPdf_unwritablePath_reportsAndCreatesNothing()
{
    QFETCH(QString, relative);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Elenco.pdf")));
    const QString path = folder.filePath(relative);

    const std::optional<QString> failure = exportPdf(prepare(splitList(3), today), path);
    QVERIFY(failure);
    QVERIFY(!failure->isEmpty());
    QVERIFY(!QFileInfo(path).isFile());
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList { QStringLiteral("Elenco.pdf") });
}

void TestReportEngine::exportPdf_readOnlyFolder_keepsTheEarlierFileWhole()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Elenco.pdf"));
    {
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0644) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 0555) == 0);
    const PreparedReport prepared = prepare(splitList(3), today);

    const int failed = inChild([&] {
        if (!dropPrivileges())
            return 98;
        return exportPdf(prepared, path) ? 0 : 1;
    });
    QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 0755) == 0);
    QCOMPARE(failed, 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("earlier"));
}

// A full disk fails the export: the earlier document is neither emptied nor cut.
void TestReportEngine::exportPdf_fullDisk_keepsTheEarlierFileWhole()
{
    const SmallDisk disk;
    if (!disk.isMounted())
        QSKIP("mounting a small file system needs root");
    const QString path = disk.filePath(QStringLiteral("Pedigree.pdf"));
    {
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    disk.fill();
    QVERIFY(exportPdf(prepare(splitList(3), today), path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("earlier"));
    QCOMPARE(disk.entries(), QStringList { QStringLiteral("Pedigree.pdf") });
}

ZAMPORA_GUI_TEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
