#include "storage/OwnerRecord.h"

#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr FieldSpec fields[] = {
    { "Cliente"_L1, 50, 0 },
    { "DataNasc"_L1, 30, 51 },
    { "ComuneNasc"_L1, 50, 82 },
    { "ProvNasc"_L1, 2, 133 },
    { "Sesso"_L1, 1, 136 },
    { "Recapito"_L1, 50, 138 },
    { "IndirizzoRes"_L1, 50, 189 },
    { "ProvRes"_L1, 2, 240 },
    { "ComuneRes"_L1, 50, 243 },
    { "CapRes"_L1, 5, 294 },
    { "Estremi"_L1, 250, 300 },
    { "TelCasa"_L1, 30, 551 },
    { "TelUff"_L1, 30, 582 },
    { "TelCel"_L1, 30, 613 },
    { "Fax"_L1, 30, 644 },
    { "Email"_L1, 50, 675 },
    { "CodFisc"_L1, 16, 726 },
    { "Carta"_L1, 30, 743 },
    { "ScadeCarta"_L1, 30, 774 },
    { "PartitaIva"_L1, 11, 805 },
    { "Iban"_L1, 27, 817 },
    { "Documento"_L1, 120, 845 },
    { "Occupazione"_L1, 50, 966 },
    { "Civile"_L1, 50, 1017 },
    { "Titoli"_L1, 120, 1068 },
    { "CaniOra"_L1, 250, 1189 },
    { "CaniPrima"_L1, 250, 1440 },
    { "Questioni"_L1, 250, 1691 },
    { "Note"_L1, 250, 1942 },
    { "Ricontatta"_L1, 2, 2193 },
    { "File01"_L1, 250, 2196 },
    { "File02"_L1, 250, 2447 },
    { "File03"_L1, 250, 2698 },
    { "Desc01"_L1, 250, 2949 },
    { "Desc02"_L1, 250, 3200 },
    { "Desc03"_L1, 250, 3451 },
};

static_assert(std::size(fields) == OwnerRecord::FieldCount);
static_assert(isPacked(fields, OwnerRecord::recordSize));

constexpr RecordLayout recordLayout(fields, OwnerRecord::recordSize);

} // namespace

namespace OwnerRecord {

const RecordLayout &layout()
{
    return recordLayout;
}

} // namespace OwnerRecord
