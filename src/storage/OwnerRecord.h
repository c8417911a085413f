#pragma once

#include "storage/RecordLayout.h"

#include <QString>

// The owner archive: one record per owner card.
namespace OwnerRecord {

enum Field : int {
    Cliente,
    DataNasc,
    ComuneNasc,
    ProvNasc,
    Sesso,
    Recapito,
    IndirizzoRes,
    ProvRes,
    ComuneRes,
    CapRes,
    Estremi,
    TelCasa,
    TelUff,
    TelCel,
    Fax,
    Email,
    CodFisc,
    Carta,
    ScadeCarta,
    PartitaIva,
    Iban,
    Documento,
    Occupazione,
    Civile,
    Titoli,
    CaniOra,
    CaniPrima,
    Questioni,
    Note,
    Ricontatta,
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03,
    FieldCount,
};

inline constexpr int recordSize = 3702;
inline const QString fileName = QStringLiteral("Proprietari.pro");

/// The fields of every record of these files, in their order on disk.
const RecordLayout &layout();

} // namespace OwnerRecord
