#include "AppFixture.h"
#include "PdfTools.h"

#include "report/printing/CardPrinting.h"
#include "report/printing/ReportOutput.h"
#include "report/printing/ScreenValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

using namespace Qt::Literals::StringLiterals;

namespace {

using Kind = MessageBoxes::Kind;

const QString footer = QStringLiteral("Stampa eseguita in data 28/02/2024 alle ore 09:30:15");
const QString pdfQuestion = QString::fromUtf8(
    "L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il file?");

ScreenValues owner(const QString &name)
{
    return { { QStringLiteral("txtCliente"), name }, { QStringLiteral("txtComuneNasc"), QStringLiteral("ROMA") },
        { QStringLiteral("txtCarta"), QStringLiteral("4111 1111") }, { QStringLiteral("txtNote"), QStringLiteral("[nota] & <b>") },
        { QStringLiteral("txtCivile"), QStringLiteral("CONIUGATO") } };
}

} // namespace

class TestCardPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void ownerCard_printsTitleRowsAndFooterOnOnePortraitPage();
    void ownerCard_previewShowsWithoutPrinting();
    void ownerPdf_writtenInTheProgramFolder_thenOpenedUnlessNo_data();
    void ownerPdf_writtenInTheProgramFolder_thenOpenedUnlessNo();
    void ownerPdf_secondExportReplacesTheFirstWithoutAsking();
    void ownerPdf_unwritable_errorAndNoQuestion();
    void pdfFileName_fromWordsAnyFileSystemTakes_data();
    void pdfFileName_fromWordsAnyFileSystemTakes();
    void scheduleCard_printsItsTitleAndRows();
    void valuesOnScreen_readsEveryKindOfControl();

private:
    AppContext &context() { return m_test->context(); }
    PlatformDoubles &doubles() { return m_test->doubles; }

    std::unique_ptr<TestContext> m_test;
    QWidget m_window;
};

void TestCardPrinting::init()
{
    m_test = std::make_unique<TestContext>();
    doubles().clock.current = QDateTime(QDate(2024, 2, 28), QTime(9, 30, 15));
}

void TestCardPrinting::ownerCard_printsTitleRowsAndFooterOnOnePortraitPage()
{
    CardPrinting::printOwnerCard(context(), &m_window, owner(QStringLiteral("ROSSI MARIO")));

    QCOMPARE(doubles().printing.printed.size(), std::size_t(1));
    const Report::PreparedReport &report = doubles().printing.printed.front();
    QCOMPARE(report.pages.size(), std::size_t(1));
    QCOMPARE(report.pageSize, QSizeF(210, 297));
    const QStringList texts = reportTexts(report);
    QCOMPARE(texts.first(), QStringLiteral("SCHEDA ANAGRAFICA PROPRIETARIO"));
    QCOMPARE(texts.last(), footer);
    for (const QString &expected : { QStringLiteral("Cognome e nome:"), QStringLiteral("ROSSI MARIO"), QStringLiteral("ROMA "),
             QStringLiteral("N. 4111 1111  -  Scadenza: "), QStringLiteral("[nota] & <b>"), QStringLiteral("Note:") })
        QVERIFY2(texts.contains(expected), qPrintable(expected));
    QVERIFY(!texts.contains(QStringLiteral("CONIUGATO")));
    QVERIFY(doubles().messages.shown.isEmpty());
}

void TestCardPrinting::ownerCard_previewShowsWithoutPrinting()
{
    CardPrinting::previewOwnerCard(context(), &m_window, owner(QStringLiteral("ROSSI MARIO")));

    QVERIFY(doubles().printing.printed.empty());
    QCOMPARE(doubles().printing.previewed.size(), std::size_t(1));
    QVERIFY(reportTexts(doubles().printing.previewed.front()).contains(QStringLiteral("ROSSI MARIO")));
}

void TestCardPrinting::ownerPdf_writtenInTheProgramFolder_thenOpenedUnlessNo_data()
{
    QTest::addColumn<MessageBoxes::Answer>("answer");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("yes") << MessageBoxes::Answer::Yes << QStringList { QStringLiteral("Proprietario.pdf") };
    QTest::newRow("no") << MessageBoxes::Answer::No << QStringList {};
}

void TestCardPrinting::ownerPdf_writtenInTheProgramFolder_thenOpenedUnlessNo()
{
    QFETCH(MessageBoxes::Answer, answer);
    QFETCH(QStringList, opened);
    doubles().messages.answerNextQuestions({ answer });

    CardPrinting::exportOwnerCardPdf(context(), &m_window, owner(QStringLiteral("ROSSI MARIO")));

    QCOMPARE(doubles().messages.takeOnly(), (RecordingMessageBoxes::Shown { Kind::Question, pdfQuestion }));
    QStringList expectedPaths;
    for (const QString &name : opened)
        expectedPaths.append(m_test->path(name));
    QCOMPARE(doubles().shell.opened, expectedPaths);

    const QString path = m_test->path(QStringLiteral("Proprietario.pdf"));
    QCOMPARE(pdfInfo(path, QStringLiteral("Title")), QStringLiteral("Scheda informativa"));
    QCOMPARE(pdfInfo(path, QStringLiteral("Subject")), QStringLiteral("Scheda informativa"));
    QCOMPARE(pdfInfo(path, QStringLiteral("Author")), pdfInfo(path, QStringLiteral("Creator")));
    QVERIFY(!pdfInfo(path, QStringLiteral("Author")).isEmpty());
    QCOMPARE(pdfInfo(path, QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY(m_test->readFile(QStringLiteral("Proprietario.pdf"))
                .contains("<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>Scheda informativa</rdf:li>"));
    const QString text = pdfText(path);
    for (const QString &expected : { QStringLiteral("SCHEDA ANAGRAFICA PROPRIETARIO"), QStringLiteral("ROSSI MARIO"),
             QStringLiteral("[nota] & <b>"), footer })
        QVERIFY2(text.contains(expected), qPrintable(expected));
    QVERIFY(doubles().printing.printed.empty());
}

void TestCardPrinting::ownerPdf_secondExportReplacesTheFirstWithoutAsking()
{
    CardPrinting::exportOwnerCardPdf(context(), &m_window, owner(QStringLiteral("PRIMO PROPRIETARIO")));
    CardPrinting::exportOwnerCardPdf(context(), &m_window, owner(QStringLiteral("SECONDO PROPRIETARIO")));

    QCOMPARE(doubles().messages.shown,
        (QList<RecordingMessageBoxes::Shown> { { Kind::Question, pdfQuestion }, { Kind::Question, pdfQuestion } }));
    const QString text = pdfText(m_test->path(QStringLiteral("Proprietario.pdf")));
    QVERIFY(text.contains(QLatin1String("SECONDO PROPRIETARIO")));
    QVERIFY(!text.contains(QLatin1String("PRIMO PROPRIETARIO")));
}

void TestCardPrinting::ownerPdf_unwritable_errorAndNoQuestion()
{
    // A folder in the file's place cannot be replaced by the PDF.
    QVERIFY(QDir(m_test->path(QString())).mkdir(QStringLiteral("Proprietario.pdf")));

    CardPrinting::exportOwnerCardPdf(context(), &m_window, owner(QStringLiteral("ROSSI MARIO")));

    const RecordingMessageBoxes::Shown shown = doubles().messages.takeOnly();
    QCOMPARE(shown.kind, Kind::Error);
    QVERIFY2(shown.text.startsWith(ReportOutput::pdfFailureMessage(QString())), qPrintable(shown.text));
    QVERIFY(doubles().shell.opened.isEmpty());
    QVERIFY(QFileInfo(m_test->path(QStringLiteral("Proprietario.pdf"))).isDir());
}

void TestCardPrinting::pdfFileName_fromWordsAnyFileSystemTakes_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("name");
    QTest::newRow("a dog") << QStringList { u"Pedigree"_s, u"Rex"_s } << u"Pedigree_Rex.pdf"_s;
    QTest::newRow("blanks") << QStringList { u"Peso"_s, u"Stella di Casa Rossi"_s }
                            << u"Peso_Stella_di_Casa_Rossi.pdf"_s;
    QTest::newRow("a pair") << QStringList { u"Accoppiamento"_s, u"Rex"_s, u"Lola"_s }
                            << u"Accoppiamento_Rex_Lola.pdf"_s;
    QTest::newRow("folders and reserved marks") << QStringList { u"Pedigree"_s, u"../a\\b:c*?\"<>|"_s }
                                                << u"Pedigree_.._a_b_c______.pdf"_s;
    QTest::newRow("a tab and a line") << QStringList { u"Peso"_s, u"a\tb\nc"_s } << u"Peso_a_b_c.pdf"_s;
}

void TestCardPrinting::pdfFileName_fromWordsAnyFileSystemTakes()
{
    QFETCH(QStringList, words);
    QFETCH(QString, name);
    QCOMPARE(ReportOutput::pdfFileName(words), name);
}

void TestCardPrinting::scheduleCard_printsItsTitleAndRows()
{
    CardPrinting::printScheduleCard(context(), &m_window,
        { { QStringLiteral("txtGiorno"), QStringLiteral("28") }, { QStringLiteral("txtMese"), QStringLiteral("Febbraio") },
            { QStringLiteral("lblAnno"), QStringLiteral("2024") }, { QStringLiteral("chkDaConfermare"), QStringLiteral("No") } });

    QCOMPARE(doubles().printing.printed.size(), std::size_t(1));
    const QStringList texts = reportTexts(doubles().printing.printed.front());
    QCOMPARE(texts.first(), QStringLiteral("SCHEDA SCADENZA / APPUNTAMENTO"));
    QCOMPARE(texts.last(), footer);
    QVERIFY(texts.contains(QStringLiteral("28 Febbraio 2024")));
    QCOMPARE(texts.count(QStringLiteral("No")), 2);
}

void TestCardPrinting::valuesOnScreen_readsEveryKindOfControl()
{
    QWidget window;
    const auto named = [&window]<typename T>(T *control, const char *name) {
        control->setParent(&window);
        control->setObjectName(QLatin1StringView(name));
        return control;
    };
    named(new QLineEdit(QStringLiteral("  ROSSI \t")), "txtCliente");
    named(new QLabel(QStringLiteral("2024")), "lblAnno");
    QComboBox *month = named(new QComboBox, "txtMese");
    month->addItems({ QStringLiteral("Gennaio"), QStringLiteral("Febbraio") });
    month->setCurrentIndex(1);
    named(new QSpinBox, "txtGiorno")->setValue(7);
    named(new QCheckBox, "chkDaConfermare")->setChecked(true);
    named(new QCheckBox, "chkEffettuata");
    new QLineEdit(QStringLiteral("senza nome"), &window);

    const ScreenValues values = valuesOnScreen(&window);
    QCOMPARE(values.value(QStringLiteral("txtCliente")), QStringLiteral("ROSSI"));
    QCOMPARE(values.value(QStringLiteral("lblAnno")), QStringLiteral("2024"));
    QCOMPARE(values.value(QStringLiteral("txtMese")), QStringLiteral("Febbraio"));
    QCOMPARE(values.value(QStringLiteral("txtGiorno")), QStringLiteral("7"));
    QCOMPARE(values.value(QStringLiteral("chkDaConfermare")), QString::fromUtf8("Sì"));
    QCOMPARE(values.value(QStringLiteral("chkEffettuata")), QStringLiteral("No"));
    QVERIFY(!values.values().contains(QStringLiteral("senza nome")));
}

ZAMPORA_GUI_TEST_MAIN(TestCardPrinting)
#include "tst_cardprinting.moc"
