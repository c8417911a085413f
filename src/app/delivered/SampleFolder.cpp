#include "app/delivered/SampleFolder.h"

#include "app/delivered/SamplePhoto.h"

#include "dogs/AlbumPhoto.h"
#include "storage/CostRecord.h"
#include "storage/DogRecord.h"
#include "storage/HealthRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/ProgramFolder.h"
#include "storage/Record.h"
#include "storage/ScheduleRecord.h"
#include "storage/WeightRecord.h"
#include "storage/WholeFile.h"

#include <QDir>

#include <initializer_list>
#include <utility>

namespace SampleFolder {

namespace {

using Values = std::initializer_list<std::pair<int, QString>>;

// The last card of the archive: a puppy, whose weight log and health booklet the manual shows.
constexpr int puppyPosition = 5;

QByteArray record(const RecordLayout &layout, Values values)
{
    Record filled(layout);
    for (const auto &[field, text] : values)
        filled.setValue(field, text);
    return filled.bytes();
}

bool writeWhole(const QString &path, const QByteArray &bytes)
{
    return !writeWholeFile(path, bytes);
}

QByteArray dogs()
{
    using namespace DogRecord;
    const auto dog = [](const QString &name, const QString &sex, const QString &born, const QString &sire,
                         const QString &dam, const QString &title, const QString &weight = QStringLiteral("28 kg")) {
        return record(layout(),
            { { Nome, name }, { Sesso, sex }, { DataNasc, born }, { Gruppo, QStringLiteral("Gruppo 7") },
                { Razza, QStringLiteral("Bracco italiano") }, { Mantello, QStringLiteral("Bianco arancio") },
                { Pelo, QStringLiteral("Raso") }, { Taglia, QStringLiteral("Grande") },
                { Peso, weight }, { ROI, QStringLiteral("21/104532") },
                { Microchip, QStringLiteral("380260000412345") }, { Padre, sire }, { Madre, dam },
                { Titoli, title }, { Proprietario, QStringLiteral("Giulia Bianchi") },
                { Recapito, QStringLiteral("333 1234567") }, { ComuneRes, QStringLiteral("Cremona") },
                { Allevatore, QStringLiteral("Allevamento della Valle Verde") },
                { Vaccinazioni, QStringLiteral("Polivalente 12/03/2025") },
                { Sverminazioni, QStringLiteral("03/02/2025") },
                { Alimentazione, QStringLiteral("Crocchette per cani da lavoro, due pasti al giorno") },
                { Note, QStringLiteral("Socievole con le persone e con gli altri cani.") } });
    };
    return dog(QStringLiteral("Ambra della Valle Verde"), QStringLiteral("F"), QStringLiteral("14/04/2021"),
               QStringLiteral("Brando"), QStringLiteral("Luna"), QStringLiteral("CH. IT"))
        + dog(QStringLiteral("Brando"), QStringLiteral("M"), QStringLiteral("02/06/2017"), QStringLiteral("Argo"),
            QStringLiteral("Bice"), QStringLiteral("CH. INT"))
        + dog(QStringLiteral("Luna"), QStringLiteral("F"), QStringLiteral("20/09/2018"), QStringLiteral("Argo"),
            QStringLiteral("Dora"), QString())
        + dog(QStringLiteral("Argo"), QStringLiteral("M"), QStringLiteral("11/01/2013"), QStringLiteral("Tuono"),
            QStringLiteral("Stella"), QStringLiteral("CH. IT, JCH"))
        + dog(QStringLiteral("Nuvola della Valle Verde"), QStringLiteral("F"), QStringLiteral("20/01/2025"),
            QStringLiteral("Brando"), QStringLiteral("Ambra della Valle Verde"), QString(), QStringLiteral("12,9 kg"));
}

QByteArray owners()
{
    using namespace OwnerRecord;
    const auto owner = [](const QString &name, const QString &town, const QString &phone, const QString &recontact) {
        return record(layout(),
            { { Cliente, name }, { ComuneRes, town }, { ProvRes, QStringLiteral("CR") },
                { IndirizzoRes, QStringLiteral("Via Roma 12") }, { CapRes, QStringLiteral("26100") },
                { TelCel, phone }, { Recapito, phone }, { Email, QStringLiteral("posta@esempio.it") },
                { CaniOra, QStringLiteral("Ambra della Valle Verde") }, { Ricontatta, recontact } });
    };
    return owner(QStringLiteral("Giulia Bianchi"), QStringLiteral("Cremona"), QStringLiteral("333 1234567"),
               QStringLiteral("S\u00EC"))
        + owner(QStringLiteral("Marco Rossi"), QStringLiteral("Lodi"), QStringLiteral("347 7654321"),
            QStringLiteral("No"));
}

QByteArray costs()
{
    using namespace CostRecord;
    const auto cost = [](const QString &date, const QString &reason, const QString &amount) {
        return record(layout(),
            { { Data, date }, { Causale, reason }, { Pagatore, QStringLiteral("Giulia Bianchi") },
                { Beneficiario, QStringLiteral("Ambulatorio veterinario") }, { Importo, amount } });
    };
    return cost(QStringLiteral("12/03/2025"), QStringLiteral("Vaccinazione"), QStringLiteral("45,00"))
        + cost(QStringLiteral("03/04/2025"), QStringLiteral("Visita di controllo"), QStringLiteral("60,00"))
        + cost(QStringLiteral("28/04/2025"), QStringLiteral("Toelettatura"), QStringLiteral("35,50"));
}

// An adult's weighings, a few a year.
QByteArray adultWeights()
{
    using namespace WeightRecord;
    const auto weighing = [](const QString &date, const QString &kilograms, const QString &note) {
        return record(layout(), { { Data, date }, { Peso, kilograms }, { Note, note } });
    };
    return weighing(QStringLiteral("10/06/2024"), QStringLiteral("26,40"), QString())
        + weighing(QStringLiteral("12/09/2024"), QStringLiteral("27,10"), QStringLiteral("Dopo la stagione estiva"))
        + weighing(QStringLiteral("05/12/2024"), QStringLiteral("28,30"), QString())
        + weighing(QStringLiteral("12/03/2025"), QStringLiteral("27,60"), QStringLiteral("Visita di controllo"))
        + weighing(QStringLiteral("28/04/2025"), QStringLiteral("28,00"), QString());
}

// The puppy's weighings, every week from weaning on, so that its log shows the growth a day.
QByteArray puppyWeights()
{
    using namespace WeightRecord;
    const std::pair<const char *, const char *> weekly[] = { { "3,20", "Svezzamento completato" }, { "4,10", "" },
        { "5,05", "" }, { "6,00", "Dopo la prima vaccinazione" }, { "6,90", "" }, { "7,85", "" }, { "8,70", "" },
        { "9,60", "" }, { "10,45", "" }, { "11,30", "" }, { "12,10", "" }, { "12,90", "" } };
    QDate day(2025, 2, 24);
    QByteArray log;
    for (const auto &[kilograms, note] : weekly) {
        log += record(layout(),
            { { Data, day.toString(QStringLiteral("dd/MM/yyyy")) }, { Peso, QString::fromLatin1(kilograms) },
                { Note, QString::fromLatin1(note) } });
        day = day.addDays(7);
    }
    return log;
}

// The puppy's health booklet: its series of three vaccinations three weeks
// apart, the last one's booster due within the week of the sample's today,
// and a worming whose next dose is overdue.
QByteArray puppyBooklet()
{
    using namespace HealthRecord;
    const auto entry = [](const QString &date, const QString &kind, const QString &what, const QString &batch,
                           const QString &due, const QString &note = {}) {
        return record(layout(),
            { { Cane, QString::number(puppyPosition) }, { Data, date }, { Tipo, kind }, { Cosa, what },
                { Lotto, batch }, { Veterinario, QStringLiteral("Dott.ssa Elena Ferri") }, { Note, note },
                { Scadenza, due }, { Preavviso, QStringLiteral("7") } });
    };
    const QString vaccination = QStringLiteral("Vaccinazione");
    const QString puppyVaccine = QStringLiteral("cimurro, epatite, parvovirosi");
    return entry(QStringLiteral("17/03/2025"), vaccination, puppyVaccine, QStringLiteral("A2301"),
               QStringLiteral("07/04/2025"), QStringLiteral("Prima dose della serie"))
        + entry(QStringLiteral("07/04/2025"), vaccination, puppyVaccine, QStringLiteral("A2317"),
            QStringLiteral("28/04/2025"))
        + entry(QStringLiteral("28/04/2025"), vaccination, puppyVaccine, QStringLiteral("A2342"),
            QStringLiteral("19/05/2025"), QStringLiteral("Terza dose: poi richiamo annuale"))
        + entry(QStringLiteral("14/04/2025"), QStringLiteral("Sverminazione"), QStringLiteral("pasta vermifuga"),
            QString(), QStringLiteral("28/04/2025"));
}

QByteArray year(int number)
{
    using namespace ScheduleRecord;
    const auto entry = [number](int day, int month, const QString &time, const QString &notice, const QString &what,
                           bool toConfirm, bool paid = false) {
        const QDate date(number, month, day);
        return record(layout(),
            { { Giorno, date.toString(QStringLiteral("dd")) }, { Mese, QString(months[month - 1].name) },
                { Anno, QString::number(number) }, { Data, date.toString(QStringLiteral("dd/MM/yyyy")) },
                { Ora, time }, { Avviso, notice }, { Proprietario, QStringLiteral("Giulia Bianchi") },
                { Recapito, QStringLiteral("333 1234567") }, { Nome, QStringLiteral("Ambra della Valle Verde") },
                { Razza, QStringLiteral("Bracco italiano") }, { Dettagli, what },
                { Costo, QStringLiteral("50,00") }, { DaConfermare, toConfirm ? QStringLiteral("S\u00EC") : QStringLiteral("No") },
                { Effettuata, paid ? QStringLiteral("S\u00EC") : QStringLiteral("No") } });
    };
    return entry(14, 5, QStringLiteral("09:30"), QStringLiteral("3"), QStringLiteral("Richiamo vaccinale"), false)
        + entry(15, 5, QStringLiteral("16:00"), QStringLiteral("2"), QStringLiteral("Lezione di addestramento"), true)
        + entry(22, 5, QStringLiteral("10:00"), QStringLiteral("7"), QStringLiteral("Esposizione canina a Cremona"), true)
        + entry(3, 6, QStringLiteral("11:15"), QStringLiteral("5"), QStringLiteral("Visita di controllo"), false)
        + entry(13, 5, QStringLiteral("15:30"), QStringLiteral("1"), QStringLiteral("Bagno e taglio delle unghie"),
            false)
        // Earlier appointments, already paid.
        + entry(18, 3, QStringLiteral("15:00"), QStringLiteral("2"), QStringLiteral("Toelettatura"), false, true)
        + entry(10, 4, QStringLiteral("10:30"), QStringLiteral("3"), QStringLiteral("Visita veterinaria"), false, true)
        + entry(29, 4, QStringLiteral("17:00"), QStringLiteral("2"), QStringLiteral("Lezione di addestramento"), false,
            true);
}


} // namespace

QDateTime sampleNow()
{
    return QDateTime(QDate(2025, 5, 13), QTime(9, 0));
}

bool fill(const QString &folder)
{
    const QDir dir(folder);
    return writeWhole(dir.filePath(DogRecord::fileName), dogs())
        && writeWhole(dir.filePath(OwnerRecord::fileName), owners())
        && writeWhole(dir.filePath(CostRecord::fileNameForDog(1)), costs())
        && writeWhole(dir.filePath(WeightRecord::fileNameForDog(1)), adultWeights())
        && writeWhole(dir.filePath(WeightRecord::fileNameForDog(puppyPosition)), puppyWeights())
        && writeWhole(dir.filePath(HealthRecord::fileName()), puppyBooklet())
        && writeWhole(dir.filePath(ScheduleRecord::fileNameForYear(sampleNow().date().year())),
            year(sampleNow().date().year()))
        && AlbumPhoto::save(ProgramFolder(folder), QStringLiteral("1"), SamplePhoto::draw());
}

} // namespace SampleFolder
