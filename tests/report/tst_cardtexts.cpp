#include "report/printing/CardTexts.h"

#include <QTest>

using CardTexts::Row;

namespace {

const QString yes = QString::fromUtf8("Sì");

ScreenValues ownerValues()
{
    ScreenValues values;
    for (const char *name : { "txtCliente", "txtDataNasc", "txtComuneNasc", "txtProvNasc", "txtSesso", "txtRecapito",
             "txtIndirizzoRes", "txtComuneRes", "txtProvRes", "txtEstremi", "txtTelCasa", "txtTelUff", "txtTelCel",
             "txtFax", "txtEmail", "txtCodFisc", "txtPartitaIva", "txtCarta", "txtScadeCarta", "txtIban",
             "txtDocumento", "txtOccupazione", "txtTitoli", "txtCaniOra", "txtCaniPrima", "txtQuestioni", "txtNote",
             "txtCivile" })
        values.insert(QLatin1StringView(name), QLatin1StringView(name).mid(3).toString());
    return values;
}

} // namespace

class TestCardTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void footer_dateAndTimeWithSeconds();
    void ownerRows_labelsAndValuesInOrder();
    void ownerRows_joinedValues_data();
    void ownerRows_joinedValues();
    void scheduleRows_labelsValuesFlagsAndBlankRows();
    void scheduleRows_untickedBoxesPrintNo();
};

void TestCardTexts::footer_dateAndTimeWithSeconds()
{
    QCOMPARE(CardTexts::footer(QDateTime(QDate(2024, 3, 5), QTime(7, 4, 9))),
        QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 07:04:09"));
}

void TestCardTexts::ownerRows_labelsAndValuesInOrder()
{
    const QList<Row> expected {
        { QStringLiteral("Cognome e nome:"), QStringLiteral("Cliente") },
        { QStringLiteral("Data di nascita:"), QStringLiteral("DataNasc") },
        { QStringLiteral("Comune di nascita:"), QStringLiteral("ComuneNasc ProvNasc") },
        { QStringLiteral("Sesso:"), QStringLiteral("Sesso") },
        { QStringLiteral("Telefono preferenziale:"), QStringLiteral("Recapito") },
        { QStringLiteral("Indirizzo di residenza:"), QStringLiteral("IndirizzoRes") },
        { QStringLiteral("Comune di residenza:"), QStringLiteral("ComuneRes ProvRes") },
        { QString::fromUtf8("Modalità pagamento:"), QStringLiteral("Estremi") },
        { QStringLiteral("Tel. casa:"), QStringLiteral("TelCasa") },
        { QStringLiteral("Tel. ufficio:"), QStringLiteral("TelUff") },
        { QStringLiteral("Tel. cellulare:"), QStringLiteral("TelCel") },
        { QStringLiteral("Fax:"), QStringLiteral("Fax") },
        { QStringLiteral("E-mail:"), QStringLiteral("Email") },
        { QStringLiteral("Codice fiscale:"), QStringLiteral("CodFisc") },
        { QStringLiteral("Partita IVA:"), QStringLiteral("PartitaIva") },
        { QStringLiteral("Carta di credito:"), QStringLiteral("N. Carta  -  Scadenza: ScadeCarta") },
        { QStringLiteral("IBAN:"), QStringLiteral("Iban") },
        { QStringLiteral("Estremi documento:"), QStringLiteral("Documento") },
        { QStringLiteral("Occupazione:"), QStringLiteral("Occupazione") },
        { QStringLiteral("Titoli e qualifiche:"), QStringLiteral("Titoli") },
        { QStringLiteral("Cani posseduti attualmente:"), QStringLiteral("CaniOra") },
        { QStringLiteral("Cani posseduti in passato:"), QStringLiteral("CaniPrima") },
        { QStringLiteral("Questioni in sospeso:"), QStringLiteral("Questioni") },
        { QStringLiteral("Note:"), QStringLiteral("Note") },
    };
    QCOMPARE(CardTexts::ownerRows(ownerValues()), expected);
}

void TestCardTexts::ownerRows_joinedValues_data()
{
    QTest::addColumn<ScreenValues>("values");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("value");
    QTest::newRow("town without province keeps the blank")
        << ScreenValues { { QStringLiteral("txtComuneNasc"), QStringLiteral("ROMA") } } << 2 << QStringLiteral("ROMA ");
    QTest::newRow("no card prints the literal pieces")
        << ScreenValues {} << 15 << QStringLiteral("N.   -  Scadenza: ");
    QTest::newRow("parts are trimmed")
        << ScreenValues { { QStringLiteral("txtComuneRes"), QStringLiteral("  MILANO \t") },
               { QStringLiteral("txtProvRes"), QStringLiteral(" MI ") } }
        << 6 << QStringLiteral("MILANO MI");
    QTest::newRow("braces in a value stay as typed")
        << ScreenValues { { QStringLiteral("txtCliente"), QStringLiteral("{txtNote} [DATE]") },
               { QStringLiteral("txtNote"), QStringLiteral("segreto") } }
        << 0 << QStringLiteral("{txtNote} [DATE]");
}

void TestCardTexts::ownerRows_joinedValues()
{
    QFETCH(ScreenValues, values);
    QFETCH(int, row);
    QFETCH(QString, value);
    QCOMPARE(CardTexts::ownerRows(values).at(row).value, value);
}

void TestCardTexts::scheduleRows_labelsValuesFlagsAndBlankRows()
{
    const ScreenValues values {
        { QStringLiteral("txtGiorno"), QStringLiteral("28") }, { QStringLiteral("txtMese"), QStringLiteral("Febbraio") },
        { QStringLiteral("lblAnno"), QStringLiteral("2024") }, { QStringLiteral("txtOreApp"), QStringLiteral("09") },
        { QStringLiteral("txtMinutiApp"), QStringLiteral("05") }, { QStringLiteral("txtAvviso"), QStringLiteral("3") },
        { QStringLiteral("txtProprietario"), QStringLiteral("ROSSI MARIO") }, { QStringLiteral("txtCodFisc"), QStringLiteral("CF") },
        { QStringLiteral("txtRecapito"), QStringLiteral("06 1") }, { QStringLiteral("txtNome"), QStringLiteral("FIDO") },
        { QStringLiteral("txtDataNasc"), QStringLiteral("01/02/2020") }, { QStringLiteral("txtRazza"), QStringLiteral("BASSOTTO") },
        { QStringLiteral("txtMantello"), QStringLiteral("FULVO") }, { QStringLiteral("txtMicrochip"), QStringLiteral("380") },
        { QStringLiteral("txtSegni"), QStringLiteral("NESSUNO") }, { QStringLiteral("txtPersona"), QStringLiteral("DOTT. BIANCHI") },
        { QStringLiteral("txtDettagli"), QStringLiteral("VACCINO") }, { QStringLiteral("txtOfficina"), QStringLiteral("CONTANTI") },
        { QStringLiteral("txtCosto"), QStringLiteral("45,50") }, { QStringLiteral("txtContatto"), QStringLiteral("RIC. 7") },
        { QStringLiteral("txtNote"), QStringLiteral("NOTE") }, { QStringLiteral("chkDaConfermare"), yes },
        { QStringLiteral("chkEffettuata"), yes },
    };
    const QString blank = QStringLiteral(" ");
    const QList<Row> expected {
        { QStringLiteral("Data scadenza:"), QStringLiteral("28 Febbraio 2024") },
        { QStringLiteral("Ora appuntamento:"), QStringLiteral("09:05") },
        { QStringLiteral("Giorni preavviso:"), QStringLiteral("3") },
        { QStringLiteral("Proprietario:"), QStringLiteral("ROSSI MARIO") },
        { QStringLiteral("Codice fiscale:"), QStringLiteral("CF") },
        { QStringLiteral("Telefono preferenziale:"), QStringLiteral("06 1") },
        { QStringLiteral("Nome cane:"), QStringLiteral("FIDO") },
        { QStringLiteral("Data nascita:"), QStringLiteral("01/02/2020") },
        { QStringLiteral("Razza:"), QStringLiteral("BASSOTTO") },
        { QStringLiteral("Colore mantello:"), QStringLiteral("FULVO") },
        { QStringLiteral("Codice microchip:"), QStringLiteral("380") },
        { QStringLiteral("Segni particolari:"), QStringLiteral("NESSUNO") },
        { QStringLiteral("Persona da incontrare:"), QStringLiteral("DOTT. BIANCHI") },
        { QStringLiteral("Causale scadenza:"), QStringLiteral("VACCINO") },
        { QString::fromUtf8("Modalità di pagamento:"), QStringLiteral("CONTANTI") },
        { QStringLiteral("Importo in euro:"), QStringLiteral("45,50") },
        { QStringLiteral("Estremi ricevuta:"), QStringLiteral("RIC. 7") },
        { QStringLiteral("Note:"), QStringLiteral("NOTE") },
        { QStringLiteral("Appuntamento da confermare:"), yes },
        { QStringLiteral("Pagamento effettuato:"), yes },
        { blank, blank }, { blank, blank }, { blank, blank }, { blank, blank },
    };
    QCOMPARE(CardTexts::scheduleRows(values), expected);
}

void TestCardTexts::scheduleRows_untickedBoxesPrintNo()
{
    const QList<Row> rows = CardTexts::scheduleRows({ { QStringLiteral("chkEffettuata"), QStringLiteral("No") } });
    QCOMPARE(rows.at(18).value, QStringLiteral("No"));
    QCOMPARE(rows.at(19).value, QStringLiteral("No"));
}

QTEST_APPLESS_MAIN(TestCardTexts)
#include "tst_cardtexts.moc"
