#include "search/Searches.h"

#include "search/ResultLines.h"
#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/ScheduleRecord.h"

namespace Searches {

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
    };
    return description;
}

} // namespace Searches
