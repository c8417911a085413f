#include "storage/ScheduleRecord.h"

#include "storage/ShortText.h"

#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr FieldSpec fields[] = {
    { "Giorno"_L1, 2, 0 },
    { "Mese"_L1, 10, 3 },
    { "Anno"_L1, 4, 14 },
    { "Data"_L1, 10, 19 },
    { "OreApp"_L1, 2, 30 },
    { "MinutiApp"_L1, 2, 33 },
    { "Ora"_L1, 5, 36 },
    { "Avviso"_L1, 3, 42 },
    { "Proprietario"_L1, 50, 46 },
    { "CodFisc"_L1, 16, 97 },
    { "Recapito"_L1, 50, 114 },
    { "Nome"_L1, 50, 165 },
    { "DataNasc"_L1, 50, 216 },
    { "Razza"_L1, 50, 267 },
    { "Mantello"_L1, 50, 318 },
    { "Microchip"_L1, 50, 369 },
    { "Segni"_L1, 250, 420 },
    { "Persona"_L1, 50, 671 },
    { "Dettagli"_L1, 250, 722 },
    { "Officina"_L1, 150, 973 },
    { "Costo"_L1, 15, 1124 },
    { "Contatto"_L1, 50, 1140 },
    { "Note"_L1, 250, 1191 },
    { "DaConfermare"_L1, 2, 1442 },
    { "Effettuata"_L1, 2, 1445 },
};

static_assert(std::size(fields) == ScheduleRecord::FieldCount);
static_assert(isPacked(fields, ScheduleRecord::recordSize));

constexpr RecordLayout recordLayout(fields, ScheduleRecord::recordSize);

} // namespace

namespace ScheduleRecord {

const RecordLayout &layout()
{
    return recordLayout;
}

QString fileNameForYear(int year)
{
    return QStringLiteral("%1.sca").arg(year, 4, 10, QLatin1Char('0'));
}

std::optional<int> monthNumber(QStringView name)
{
    const QString compared = smallLettersAtoZ(trimmedText(name));
    for (const Month &month : months) {
        if (compared == month.comparedAs)
            return month.number;
    }
    return std::nullopt;
}

} // namespace ScheduleRecord
