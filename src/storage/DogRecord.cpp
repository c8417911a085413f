#include "storage/DogRecord.h"

#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr FieldSpec fields[] = {
    { "Nome"_L1, 50, 0 },
    { "Sesso"_L1, 1, 51 },
    { "DataNasc"_L1, 10, 53 },
    { "Gruppo"_L1, 50, 64 },
    { "Razza"_L1, 50, 115 },
    { "Mantello"_L1, 50, 166 },
    { "Pelo"_L1, 50, 217 },
    { "Segni"_L1, 250, 268 },
    { "Altezza"_L1, 50, 519 },
    { "Lunghezza"_L1, 50, 570 },
    { "Taglia"_L1, 50, 621 },
    { "Peso"_L1, 50, 672 },
    { "Sterilizzato"_L1, 50, 723 },
    { "Libretto"_L1, 250, 774 },
    { "Medico"_L1, 250, 1025 },
    { "ROI"_L1, 250, 1276 },
    { "Microchip"_L1, 50, 1527 },
    { "DataApp"_L1, 10, 1578 },
    { "Localizzazione"_L1, 50, 1589 },
    { "Tatuaggio"_L1, 250, 1640 },
    { "Pedigree"_L1, 250, 1891 },
    { "Aggressivo"_L1, 250, 2142 },
    { "Guinzaglio"_L1, 250, 2393 },
    { "Giochi"_L1, 250, 2644 },
    { "Note"_L1, 250, 2895 },
    { "Proprietario"_L1, 50, 3146 },
    { "Recapito"_L1, 50, 3197 },
    { "CodFisc"_L1, 16, 3248 },
    { "ComuneRes"_L1, 50, 3265 },
    { "InizioProp"_L1, 10, 3316 },
    { "Allevatore"_L1, 250, 3327 },
    { "Passaggi"_L1, 250, 3578 },
    { "Padre"_L1, 250, 3829 },
    { "NonniPat"_L1, 250, 4080 },
    { "BisnonniPat"_L1, 250, 4331 },
    { "TrisnonniPat"_L1, 250, 4582 },
    { "Madre"_L1, 250, 4833 },
    { "NonniMat"_L1, 250, 5084 },
    { "BisnonniMat"_L1, 250, 5335 },
    { "TrisnonniMat"_L1, 250, 5586 },
    { "CampionatiIta"_L1, 250, 5837 },
    { "CampionatiInt"_L1, 250, 6088 },
    { "Titoli"_L1, 250, 6339 },
    { "Accompagnatori"_L1, 250, 6590 },
    { "Iscrizioni"_L1, 250, 6841 },
    { "Vaccinazioni"_L1, 250, 7092 },
    { "Sverminazioni"_L1, 250, 7343 },
    { "Trattamenti"_L1, 250, 7594 },
    { "Accertamenti"_L1, 250, 7845 },
    { "Malattie"_L1, 250, 8096 },
    { "Interventi"_L1, 250, 8347 },
    { "Profilassi"_L1, 250, 8598 },
    { "Difetti"_L1, 250, 8849 },
    { "Alimentazione"_L1, 250, 9100 },
    { "File01"_L1, 250, 9351 },
    { "File02"_L1, 250, 9602 },
    { "File03"_L1, 250, 9853 },
    { "Desc01"_L1, 250, 10104 },
    { "Desc02"_L1, 250, 10355 },
    { "Desc03"_L1, 250, 10606 },
};

static_assert(std::size(fields) == DogRecord::FieldCount);
static_assert(isPacked(fields, DogRecord::recordSize));

constexpr RecordLayout recordLayout(fields, DogRecord::recordSize);

} // namespace

namespace DogRecord {

const RecordLayout &layout()
{
    return recordLayout;
}

} // namespace DogRecord
