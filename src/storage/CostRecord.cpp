#include "storage/CostRecord.h"

#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr FieldSpec fields[] = {
    { "Data"_L1, 10, 0 },
    { "Causale"_L1, 40, 11 },
    { "Pagatore"_L1, 26, 52 },
    { "Beneficiario"_L1, 26, 79 },
    { "Importo"_L1, 15, 106 },
};

static_assert(std::size(fields) == CostRecord::FieldCount);
static_assert(isPacked(fields, CostRecord::recordSize));

constexpr RecordLayout recordLayout(fields, CostRecord::recordSize);

} // namespace

namespace CostRecord {

const RecordLayout &layout()
{
    return recordLayout;
}

QString fileNameForDog(int position)
{
    return QStringLiteral("Costi_Cane_%1.pro").arg(position);
}

} // namespace CostRecord
