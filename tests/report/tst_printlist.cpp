#include "AppFixture.h"
#include "PdfTools.h"

#include "report/ReportPainter.h"
#include "report/printing/ListReport.h"
#include "report/printing/ReportOutput.h"

#include <QTemporaryDir>

namespace {

const QString title = QStringLiteral("Riepilogo cani in archivio");

// Lines of fixed columns, as the list windows build them.
QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("%1  %2 | %3 | fine")
                         .arg(i, 5)
                         .arg(QStringLiteral("CANE %1").arg(i), -12)
                         .arg(QString(i % 7, u'x'), -6));
    return lines;
}

} // namespace

class TestPrintList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void longList_runsOverPages_titleOnceDateBarOnceLinesInOrder();
    void longList_asPdf_keepsColumnsAligned();
    void emptyList_printsTitleAndDateBar();
    void lines_printLiterallyOneEach_data();
    void lines_printLiterallyOneEach();
    void printerFailure_showsTheErrorBox();

private:
    const Report::PreparedReport &printed();

    std::unique_ptr<TestContext> m_test;
    QWidget m_owner;
};

void TestPrintList::init()
{
    m_test = std::make_unique<TestContext>();
    // The date of printing, not of the data.
    m_test->doubles.clock.current = QDateTime(QDate(2025, 8, 15), QTime(18, 5));
}

const Report::PreparedReport &TestPrintList::printed()
{
    return m_test->doubles.printing.printed.front();
}

void TestPrintList::longList_runsOverPages_titleOnceDateBarOnceLinesInOrder()
{
    const QStringList lines = numberedLines(150);
    printList(m_test->context(), &m_owner, title, lines);

    QCOMPARE(m_test->doubles.printing.printed.size(), std::size_t(1));
    QVERIFY(m_test->doubles.printing.previewed.empty());
    QVERIFY(m_test->doubles.messages.shown.isEmpty());
    const Report::PreparedReport &report = printed();
    QCOMPARE(report.pageSize, QSizeF(297, 210));
    QCOMPARE(report.pages.size(), std::size_t(3));

    const QString dateBar = QStringLiteral("Stampa eseguita in data 15/08/2025");
    QCOMPARE(pageTexts(report.pages[0]).first(), title);
    QCOMPARE(pageTexts(report.pages[2]).last(), dateBar);
    QStringList all = reportTexts(report);
    QCOMPARE(all.count(title), 1);
    QCOMPARE(all.count(dateBar), 1);
    all.removeAll(title);
    all.removeAll(dateBar);
    QCOMPARE(all, lines);

    // Every body line starts at the same left edge, in a fixed-pitch font.
    QSet<qreal> lefts;
    for (const Report::Page &page : report.pages)
        for (const Report::Element &element : page.elements)
            if (const auto *text = std::get_if<Report::TextElement>(&element); text && lines.contains(text->text)) {
                lefts.insert(text->rect.left());
                QVERIFY(report.styles[text->style].fixedPitch);
            }
    QCOMPARE(lefts.size(), 1);
}

void TestPrintList::longList_asPdf_keepsColumnsAligned()
{
    const QStringList lines = numberedLines(150);
    printList(m_test->context(), &m_owner, title, lines);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Elenco.pdf"));
    QCOMPARE(Report::exportPdf(printed(), path), std::nullopt);

    QCOMPARE(pdfInfo(path, QStringLiteral("Pages")), QStringLiteral("3"));
    QStringList pdfLines;
    for (const QString &line : pdfText(path).split(QLatin1Char('\n')))
        if (line.contains(QLatin1String("| fine")))
            pdfLines.append(line.simplified());
    QStringList expected;
    for (const QString &line : lines)
        expected.append(line.simplified());
    QCOMPARE(pdfLines, expected);

    // The last column starts at the same place on every line of every page.
    QSet<int> columns;
    for (const PdfWord &word : pdfWords(path))
        if (word.text == QLatin1String("fine"))
            columns.insert(qRound(word.box.left() * 10));
    QCOMPARE(columns.size(), 1);
}

void TestPrintList::emptyList_printsTitleAndDateBar()
{
    printList(m_test->context(), &m_owner, title, {});

    QCOMPARE(printed().pages.size(), std::size_t(1));
    QCOMPARE(reportTexts(printed()), QStringList({ title, QStringLiteral("Stampa eseguita in data 15/08/2025") }));
}

void TestPrintList::lines_printLiterallyOneEach_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("printedLine");
    QTest::newRow("date field") << QStringLiteral("[DATE] scade") << QStringLiteral("[DATE] scade");
    QTest::newRow("brackets") << QStringLiteral("ROSSI [1] [Nota]") << QStringLiteral("ROSSI [1] [Nota]");
    QTest::newRow("markup") << QStringLiteral("<b>A & B</b> &amp;") << QStringLiteral("<b>A & B</b> &amp;");
    QTest::newRow("line break inside") << QStringLiteral("PRIMA\r\nSECONDA") << QStringLiteral("PRIMA  SECONDA");
}

void TestPrintList::lines_printLiterallyOneEach()
{
    QFETCH(QString, line);
    QFETCH(QString, printedLine);
    printList(m_test->context(), &m_owner, QStringLiteral("Titolo [DATE]"), { line, QStringLiteral("ultima") });

    QCOMPARE(reportTexts(printed()),
        QStringList({ QStringLiteral("Titolo [DATE]"), printedLine, QStringLiteral("ultima"),
            QStringLiteral("Stampa eseguita in data 15/08/2025") }));
}

void TestPrintList::printerFailure_showsTheErrorBox()
{
    m_test->doubles.printing.succeed = false;
    printList(m_test->context(), &m_owner, title, numberedLines(3));

    QCOMPARE(m_test->doubles.messages.takeOnly(),
        (RecordingMessageBoxes::Shown { MessageBoxes::Kind::Error, ReportOutput::printFailureMessage() }));
}

ZAMPORA_GUI_TEST_MAIN(TestPrintList)
#include "tst_printlist.moc"
