#include "checks/VatNumberCheck.h"

#include "checks/CheckText.h"

#include <algorithm>
#include <array>

namespace {

constexpr qsizetype vatNumberLength = 11;

struct VatOffice
{
    QStringView code;
    QStringView name;
};

// Bologna 2 and Napoli 2 each answer to two codes (101 and 120, 102 and 121).
constexpr std::array<VatOffice, 104> vatOffices = { {
    { u"001", u"Torino" },
    { u"002", u"Vercelli" },
    { u"003", u"Novara" },
    { u"004", u"Cuneo" },
    { u"005", u"Asti" },
    { u"006", u"Alessandria" },
    { u"007", u"Aosta" },
    { u"008", u"Imperia" },
    { u"009", u"Savona" },
    { u"010", u"Genova 1" },
    { u"011", u"La Spezia" },
    { u"012", u"Varese" },
    { u"013", u"Como" },
    { u"014", u"Sondrio" },
    { u"015", u"Milano 1" },
    { u"016", u"Bergamo" },
    { u"017", u"Brescia 1" },
    { u"018", u"Pavia" },
    { u"019", u"Cremona" },
    { u"020", u"Mantova" },
    { u"021", u"Bolzano" },
    { u"022", u"Trento" },
    { u"023", u"Verona" },
    { u"024", u"Vicenza" },
    { u"025", u"Belluno" },
    { u"026", u"Treviso" },
    { u"027", u"Venezia" },
    { u"028", u"Padova" },
    { u"029", u"Rovigo" },
    { u"030", u"Udine" },
    { u"031", u"Gorizia" },
    { u"032", u"Trieste" },
    { u"033", u"Piacenza" },
    { u"034", u"Parma" },
    { u"035", u"Reggio Emilia" },
    { u"036", u"Modena" },
    { u"037", u"Bologna 1" },
    { u"038", u"Ferrara" },
    { u"039", u"Ravenna" },
    { u"040", u"Forlì" },
    { u"041", u"Pesaro" },
    { u"042", u"Ancona" },
    { u"043", u"Macerata" },
    { u"044", u"Ascoli Piceno" },
    { u"045", u"Massa Carrara" },
    { u"046", u"Lucca" },
    { u"047", u"Pistoia" },
    { u"048", u"Firenze 1" },
    { u"049", u"Livorno" },
    { u"050", u"Pisa" },
    { u"051", u"Arezzo" },
    { u"052", u"Siena" },
    { u"053", u"Grosseto" },
    { u"054", u"Perugia" },
    { u"055", u"Terni" },
    { u"056", u"Viterbo" },
    { u"057", u"Rieti" },
    { u"058", u"Roma 1" },
    { u"059", u"Latina" },
    { u"060", u"Frosinone" },
    { u"061", u"Caserta" },
    { u"062", u"Benevento" },
    { u"063", u"Napoli 1" },
    { u"064", u"Avellino" },
    { u"065", u"Salerno" },
    { u"066", u"Aquila" },
    { u"067", u"Teramo" },
    { u"068", u"Pescara" },
    { u"069", u"Chieti" },
    { u"070", u"Campobasso" },
    { u"071", u"Foggia" },
    { u"072", u"Bari" },
    { u"073", u"Taranto" },
    { u"074", u"Brindisi" },
    { u"075", u"Lecce" },
    { u"076", u"Potenza" },
    { u"077", u"Matera" },
    { u"078", u"Cosenza" },
    { u"079", u"Catanzaro" },
    { u"080", u"Reggio Calabria" },
    { u"081", u"Trapani" },
    { u"082", u"Palermo" },
    { u"083", u"Messina" },
    { u"084", u"Agrigento" },
    { u"085", u"Caltanissetta" },
    { u"086", u"Enna" },
    { u"087", u"Catania" },
    { u"088", u"Ragusa" },
    { u"089", u"Siracusa" },
    { u"090", u"Sassari" },
    { u"091", u"Nuoro" },
    { u"092", u"Cagliari" },
    { u"093", u"Pordenone" },
    { u"094", u"Isernia" },
    { u"095", u"Oristano" },
    { u"096", u"Monza (Milano 2)" },
    { u"097", u"Prato (Firenze 2)" },
    { u"098", u"Brescia 2" },
    { u"099", u"Chiavari (Genova 2)" },
    { u"100", u"Roma 2" },
    { u"101", u"Bologna 2" },
    { u"102", u"Napoli 2" },
    { u"120", u"Bologna 2" },
    { u"121", u"Napoli 2" },
} };

int digitAt(QStringView number, qsizetype index)
{
    return number[index].unicode() - u'0';
}

} // namespace

CheckVerdict checkVatNumber(QStringView number)
{
    if (number.size() != vatNumberLength)
        return CheckVerdict::WrongLength;
    if (!std::all_of(number.begin(), number.end(), isAsciiDigit))
        return CheckVerdict::Wrong;
    int sum = 0;
    for (qsizetype i = 0; i < vatNumberLength - 1; ++i) {
        // Positions counted from 1: odd ones add the digit, even ones the
        // digit sum of the doubled digit.
        const int digit = digitAt(number, i);
        sum += i % 2 == 0 ? digit : (2 * digit) / 10 + (2 * digit) % 10;
    }
    const int expected = (10 - sum % 10) % 10;
    return digitAt(number, vatNumberLength - 1) == expected ? CheckVerdict::Valid : CheckVerdict::Wrong;
}

bool isVatNumberTaxCode(QStringView trimmedCode)
{
    return !trimmedCode.isEmpty() && std::all_of(trimmedCode.begin(), trimmedCode.end(), isAsciiDigit);
}

QString vatOfficeName(QStringView officeCode)
{
    const auto office = std::find_if(vatOffices.begin(), vatOffices.end(),
        [officeCode](const VatOffice &o) { return o.code == officeCode; });
    return office == vatOffices.end() ? QString() : office->name.toString();
}

CheckReport vatNumberReport(QStringView boxText)
{
    switch (checkVatNumber(boxText)) {
    case CheckVerdict::Valid: {
        const QString valid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n");
        const QString office = vatOfficeName(boxText.mid(7, 3));
        // A code missing from the table still belongs to a valid number: say
        // so rather than name an office that may not exist.
        if (office.isEmpty())
            return { CheckReport::Message::Information,
                valid + QString::fromUtf8("L'Ufficio IVA che lo ha rilasciato non è noto.") };
        return { CheckReport::Message::Information,
            valid + QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ") + office
                + QLatin1Char('.') };
    }
    case CheckVerdict::Wrong:
        return { CheckReport::Message::Warning,
            QString::fromUtf8("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è "
                              "quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha "
                              "rilasciato.") };
    case CheckVerdict::WrongLength:
        break;
    }
    return { CheckReport::Message::Warning,
        QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."), false };
}
