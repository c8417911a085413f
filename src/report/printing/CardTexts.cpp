#include "report/printing/CardTexts.h"

#include "core/DateText.h"
#include "storage/ShortText.h"

namespace CardTexts {

namespace {

// A row's value: the trimmed texts of the named controls with the literal
// pieces between them, written as "{txtComuneNasc} {txtProvNasc}".
QString compose(const ScreenValues &values, QStringView pattern)
{
    QString result;
    qsizetype at = 0;
    while (at < pattern.size()) {
        const qsizetype open = pattern.indexOf(u'{', at);
        if (open < 0) {
            result += pattern.mid(at);
            break;
        }
        const qsizetype close = pattern.indexOf(u'}', open);
        result += pattern.mid(at, open - at);
        result += trimmedText(values.value(pattern.mid(open + 1, close - open - 1).toString()));
        at = close + 1;
    }
    return result;
}

QList<Row> rows(const ScreenValues &values, std::initializer_list<std::pair<const char *, const char *>> table)
{
    QList<Row> result;
    for (const auto &[label, pattern] : table)
        result.append({ QString::fromUtf8(label), compose(values, QString::fromUtf8(pattern)) });
    return result;
}

QString flag(const ScreenValues &values, const QString &name)
{
    return values.value(name) == QString::fromUtf8("Sì") ? QString::fromUtf8("Sì") : QStringLiteral("No");
}

} // namespace

QString footer(const QDateTime &now)
{
    return QStringLiteral("Stampa eseguita in data %1 alle ore %2")
        .arg(DateText::format(now.date()), now.time().toString(QStringLiteral("HH:mm:ss")));
}

QList<Row> ownerRows(const ScreenValues &values)
{
    return rows(values,
        {
            { "Cognome e nome:", "{txtCliente}" },
            { "Data di nascita:", "{txtDataNasc}" },
            { "Comune di nascita:", "{txtComuneNasc} {txtProvNasc}" },
            { "Sesso:", "{txtSesso}" },
            { "Telefono preferenziale:", "{txtRecapito}" },
            { "Indirizzo di residenza:", "{txtIndirizzoRes}" },
            { "Comune di residenza:", "{txtComuneRes} {txtProvRes}" },
            { "Modalità pagamento:", "{txtEstremi}" },
            { "Tel. casa:", "{txtTelCasa}" },
            { "Tel. ufficio:", "{txtTelUff}" },
            { "Tel. cellulare:", "{txtTelCel}" },
            { "Fax:", "{txtFax}" },
            { "E-mail:", "{txtEmail}" },
            { "Codice fiscale:", "{txtCodFisc}" },
            { "Partita IVA:", "{txtPartitaIva}" },
            { "Carta di credito:", "N. {txtCarta}  -  Scadenza: {txtScadeCarta}" },
            { "IBAN:", "{txtIban}" },
            { "Estremi documento:", "{txtDocumento}" },
            { "Occupazione:", "{txtOccupazione}" },
            { "Titoli e qualifiche:", "{txtTitoli}" },
            { "Cani posseduti attualmente:", "{txtCaniOra}" },
            { "Cani posseduti in passato:", "{txtCaniPrima}" },
            { "Questioni in sospeso:", "{txtQuestioni}" },
            { "Note:", "{txtNote}" },
        });
}

QList<Row> scheduleRows(const ScreenValues &values)
{
    QList<Row> result = rows(values,
        {
            { "Data scadenza:", "{txtGiorno} {txtMese} {lblAnno}" },
            { "Ora appuntamento:", "{txtOreApp}:{txtMinutiApp}" },
            { "Giorni preavviso:", "{txtAvviso}" },
            { "Proprietario:", "{txtProprietario}" },
            { "Codice fiscale:", "{txtCodFisc}" },
            { "Telefono preferenziale:", "{txtRecapito}" },
            { "Nome cane:", "{txtNome}" },
            { "Data nascita:", "{txtDataNasc}" },
            { "Razza:", "{txtRazza}" },
            { "Colore mantello:", "{txtMantello}" },
            { "Codice microchip:", "{txtMicrochip}" },
            { "Segni particolari:", "{txtSegni}" },
            { "Persona da incontrare:", "{txtPersona}" },
            { "Causale scadenza:", "{txtDettagli}" },
            { "Modalità di pagamento:", "{txtOfficina}" },
            { "Importo in euro:", "{txtCosto}" },
            { "Estremi ricevuta:", "{txtContatto}" },
            { "Note:", "{txtNote}" },
        });
    result.append({ QStringLiteral("Appuntamento da confermare:"), flag(values, QStringLiteral("chkDaConfermare")) });
    result.append({ QStringLiteral("Pagamento effettuato:"), flag(values, QStringLiteral("chkEffettuata")) });
    while (result.size() < 24)
        result.append({ QStringLiteral(" "), QStringLiteral(" ") });
    return result;
}

} // namespace CardTexts
