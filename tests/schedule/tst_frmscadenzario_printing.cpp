#include "tst_frmscadenzario_fixture.h"

class TestFrmScadenzarioPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stampa_printsTheEntryAsShown_unsavedValuesAndFlags();
};

void TestFrmScadenzarioPrinting::stampa_printsTheEntryAsShown_unsavedValuesAndFlags()
{
    ScheduleFixture fixture;
    fixture.openYear(QStringLiteral("2024"));
    fixture.fillCard();
    fixture.check("chkDaConfermare")->setChecked(true);

    click(child(fixture.window(), "cmdStampa"));

    QCOMPARE(fixture.doubles.printing.printed.size(), std::size_t(1));
    const QStringList texts = reportTexts(fixture.doubles.printing.printed.front());
    QCOMPARE(texts.first(), QStringLiteral("SCHEDA SCADENZA / APPUNTAMENTO"));
    QCOMPARE(texts.last(), QStringLiteral("Stampa eseguita in data 28/02/2024 alle ore 09:30:00"));
    for (const QString &expected : { QStringLiteral("05 Marzo 2024"), QStringLiteral("09:30"), QStringLiteral("3"),
             QStringLiteral("Anna Bianchi"), QStringLiteral("Fido"), QStringLiteral("Richiamo vaccino") })
        QVERIFY2(texts.contains(expected), qPrintable(expected));
    const qsizetype confirm = texts.indexOf(QStringLiteral("Appuntamento da confermare:"));
    const qsizetype paid = texts.indexOf(QStringLiteral("Pagamento effettuato:"));
    QCOMPARE(texts.at(confirm + 1), QString::fromUtf8("Sì"));
    QCOMPARE(texts.at(paid + 1), QStringLiteral("No"));
    QVERIFY(fixture.yearFile(2024).isEmpty()); // printing saved nothing
    QVERIFY(fixture.doubles.messages.shown.isEmpty());
}

ZAMPORA_GUI_TEST_MAIN(TestFrmScadenzarioPrinting)
#include "tst_frmscadenzario_printing.moc"
