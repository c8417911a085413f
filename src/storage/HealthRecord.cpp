#include "storage/HealthRecord.h"

#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr FieldSpec fields[] = {
    { "Cane"_L1, 10, 0 },
    { "Data"_L1, 10, 11 },
    { "Tipo"_L1, 16, 22 },
    { "Cosa"_L1, 40, 39 },
    { "Lotto"_L1, 20, 80 },
    { "Veterinario"_L1, 40, 101 },
    { "Esito"_L1, 60, 142 },
    { "Note"_L1, 100, 203 },
    { "Scadenza"_L1, 10, 304 },
    { "Preavviso"_L1, 3, 315 },
};

static_assert(std::size(fields) == HealthRecord::FieldCount);
static_assert(isPacked(fields, HealthRecord::recordSize));

constexpr RecordLayout recordLayout(fields, HealthRecord::recordSize);

} // namespace

namespace HealthRecord {

const RecordLayout &layout()
{
    return recordLayout;
}

QString fileName()
{
    return QStringLiteral("Libretti_Sanitari.pro");
}

} // namespace HealthRecord
