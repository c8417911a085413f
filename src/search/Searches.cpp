#include "search/Searches.h"

#include "dogs/frmCani.h"
#include "owners/frmClienti.h"
#include "platform/AppContext.h"
#include "schedule/frmScadenzario.h"
#include "search/ResultLines.h"
#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/ScheduleRecord.h"

#include <QLabel>

namespace Searches {

namespace {

template<typename Card> Card *cardOf(QWidget *opener)
{
    return qobject_cast<Card *>(opener);
}

QString programFile(const AppContext &context, const QString &name)
{
    return context.folder.filePath(name);
}

} // namespace

const SearchDescription &dogs()
{
    using namespace DogRecord;
    static const SearchDescription description {
        QStringLiteral("frmTrovaCani"),
        QStringLiteral(" Trova cani in archivio"),
        &layout(),
        {
            { "txtNome", "Nome cane:", Nome },
            { "txtDataNasc", "Data nascita:", DataNasc },
            { "txtGruppo", "Gruppo appartenenza:", Gruppo },
            { "txtRazza", "Razza:", Razza },
            { "txtMedico", "Medico veterinario:", Medico },
            { "txtMicrochip", "Codice microchip:", Microchip },
            { "txtProprietario", "Proprietario attuale:", Proprietario },
            { "txtCodFisc", "Codice fiscale:", CodFisc },
            { "txtROI", "Numero ROI/LOI/RSR/LIR/ES:", ROI },
            { "txtNote", "Note:", Note },
        },
        ResultLines::dogSearch,
        QStringLiteral("Il presente riepilogo contiene "),
        QStringLiteral("Riepilogo cani in archivio"),
        [](const AppContext &context, const QWidget *) { return programFile(context, fileName); },
        {
            { "cani",
                [](QWidget *opener, const Record &record, qint64 position) {
                    if (auto *card = cardOf<frmCani>(opener))
                        card->showRecord(record, position);
                },
                true },
            { "scadenzario",
                [](QWidget *opener, const Record &record, qint64) {
                    if (auto *schedule = cardOf<frmScadenzario>(opener))
                        schedule->importDog(record);
                },
                false },
        },
    };
    return description;
}

const SearchDescription &owners()
{
    using namespace OwnerRecord;
    static const SearchDescription description {
        QStringLiteral("frmTrovaClienti"),
        QStringLiteral(" Trova proprietari in archivio"),
        &layout(),
        {
            { "txtCliente", "Cognome e nome:", Cliente },
            { "txtComuneRes", "Comune di residenza:", ComuneRes },
            { "txtPartitaIva", "Partita IVA:", PartitaIva },
            { "txtCodFisc", "Codice fiscale:", CodFisc },
            { "txtDocumento", "Estremi documento:", Documento },
            { "txtOccupazione", "Occupazione:", Occupazione },
            { "txtCaniOra", "Cani posseduti attualmente:", CaniOra },
            { "txtCaniPrima", "Cani posseduti in passato:", CaniPrima },
            { "txtQuestioni", "Questioni in sospeso:", Questioni },
            { "txtNote", "Note:", Note },
        },
        ResultLines::ownerSearch,
        QStringLiteral("Il presente riepilogo contiene "),
        QStringLiteral("Riepilogo proprietari cani"),
        [](const AppContext &context, const QWidget *) { return programFile(context, fileName); },
        {
            { "clienti",
                [](QWidget *opener, const Record &record, qint64 position) {
                    if (auto *card = cardOf<frmClienti>(opener))
                        card->showRecord(record, position);
                },
                true },
            { "cani",
                [](QWidget *opener, const Record &record, qint64) {
                    if (auto *card = cardOf<frmCani>(opener))
                        card->importOwner(record);
                },
                false },
        },
    };
    return description;
}

const SearchDescription &schedule()
{
    using namespace ScheduleRecord;
    static const SearchDescription description {
        QStringLiteral("frmTrovaScadenzario"),
        QStringLiteral(" Trova scadenze pagamenti in archivio"),
        &layout(),
        {
            { "txtData", "Data scadenza (gg/mm/aaaa):", Data },
            { "txtOra", "Ora appuntamento (hh:mm):", Ora },
            { "txtProprietario", "Proprietario:", Proprietario },
            { "txtCodFisc", "Codice fiscale:", CodFisc },
            { "txtNome", "Nome cane:", Nome },
            { "txtRazza", "Razza:", Razza },
            { "txtMicrochip", "Codice microchip:", Microchip },
            { "txtPersona", "Persona da incontrare:", Persona },
            { "txtDettagli", "Causale scadenza:", Dettagli, true },
            { "txtNote", "Note:", Note, true },
        },
        ResultLines::scheduleEntry,
        QStringLiteral("Il presente elenco contiene "),
        QStringLiteral("Riepilogo scadenze e appuntamenti"),
        // Only the year the schedule window shows is searched.
        [](const AppContext &, const QWidget *opener) {
            const auto *yearFile = opener->findChild<QLabel *>(QStringLiteral("lblFile"));
            return yearFile ? yearFile->text() : QString();
        },
        {
            { "Scadenzario",
                [](QWidget *opener, const Record &record, qint64 position) {
                    if (auto *schedule = cardOf<frmScadenzario>(opener))
                        schedule->showRecord(record, position);
                },
                true },
        },
    };
    return description;
}

} // namespace Searches
