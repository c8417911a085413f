#include "tst_frmclienti_fixture.h"

#include "PdfTools.h"

class TestFrmClientiPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stampaAnteprimaPdf_useTheCardAsShown();
};

void TestFrmClientiPrinting::stampaAnteprimaPdf_useTheCardAsShown()
{
    OwnerCardFixture fixture;
    QTest::keyClicks(fixture.box("txtCliente"), QStringLiteral("ROSSI MARIO"));
    QTest::keyClicks(fixture.box("txtComuneNasc"), QStringLiteral("ROMA"));
    CapturingPrinting &printing = fixture.doubles.printing;

    click(child(fixture.card(), "cmdStampa"));
    QCOMPARE(printing.printed.size(), std::size_t(1));
    const QStringList texts = reportTexts(printing.printed.front());
    QCOMPARE(texts.first(), QStringLiteral("SCHEDA ANAGRAFICA PROPRIETARIO"));
    QVERIFY(texts.contains(QStringLiteral("ROSSI MARIO")));
    QVERIFY(texts.contains(QStringLiteral("ROMA ")));

    click(child(fixture.card(), "cmdAnteprima"));
    QCOMPARE(printing.previewed.size(), std::size_t(1));
    QCOMPARE(printing.printed.size(), std::size_t(1));

    click(child(fixture.card(), "cmdPDF"));
    const QString path = fixture.path(QStringLiteral("Proprietario.pdf"));
    QVERIFY(pdfText(path).contains(QLatin1String("ROSSI MARIO")));
    QCOMPARE(fixture.doubles.messages.takeOnly().kind, MessageBoxes::Kind::Question);
    QCOMPARE(fixture.doubles.shell.opened, QStringList { path });
    QVERIFY(fixture.readFile(QStringLiteral("Proprietari.pro")).isEmpty()); // nothing was saved
}

ZAMPORA_GUI_TEST_MAIN(TestFrmClientiPrinting)
#include "tst_frmclienti_printing.moc"
