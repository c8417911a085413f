#include "storage/WeightRecord.h"

#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr FieldSpec fields[] = {
    { "Data"_L1, 10, 0 },
    { "Peso"_L1, 10, 11 },
    { "Note"_L1, 100, 22 },
};

static_assert(std::size(fields) == WeightRecord::FieldCount);
static_assert(isPacked(fields, WeightRecord::recordSize));

constexpr RecordLayout recordLayout(fields, WeightRecord::recordSize);

} // namespace

namespace WeightRecord {

const RecordLayout &layout()
{
    return recordLayout;
}

QString fileNameForDog(int position)
{
    return QStringLiteral("Pesi_Cane_%1.pro").arg(position);
}

} // namespace WeightRecord
