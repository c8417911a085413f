#pragma once

#include "storage/RecordLayout.h"

#include <QString>

// The dog archive: one record per dog card, sixty fields, from the card head
// to the three attached files. The photo and the costs live in files named
// after the record's position.
namespace DogRecord {

enum Field : int {
    Nome,
    Sesso,
    DataNasc,
    Gruppo,
    Razza,
    Mantello,
    Pelo,
    Segni,
    Altezza,
    Lunghezza,
    Taglia,
    Peso,
    Sterilizzato,
    Libretto,
    Medico,
    ROI,
    Microchip,
    DataApp,
    Localizzazione,
    Tatuaggio,
    Pedigree,
    Aggressivo,
    Guinzaglio,
    Giochi,
    Note,
    Proprietario,
    Recapito,
    CodFisc,
    ComuneRes,
    InizioProp,
    Allevatore,
    Passaggi,
    Padre,
    NonniPat,
    BisnonniPat,
    TrisnonniPat,
    Madre,
    NonniMat,
    BisnonniMat,
    TrisnonniMat,
    CampionatiIta,
    CampionatiInt,
    Titoli,
    Accompagnatori,
    Iscrizioni,
    Vaccinazioni,
    Sverminazioni,
    Trattamenti,
    Accertamenti,
    Malattie,
    Interventi,
    Profilassi,
    Difetti,
    Alimentazione,
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03,
    FieldCount,
};

inline constexpr int recordSize = 10857;
inline const QString fileName = QStringLiteral("Anagrafica_Cani.pro");

/// The fields of every record of these files, in their order on disk.
const RecordLayout &layout();

} // namespace DogRecord
