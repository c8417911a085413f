#pragma once

#include "storage/RecordLayout.h"

#include <QString>

// The costs of one dog: one file per dog position, one record per cost.
namespace CostRecord {

enum Field : int {
    Data,
    Causale,
    Pagatore,
    Beneficiario,
    Importo,
    FieldCount,
};

inline constexpr int recordSize = 122;

/// Name of the cost file of the dog at that 1-based position ("Costi_Cane_7.pro").
QString fileNameForDog(int position);

/// The fields of every record of these files, in their order on disk.
const RecordLayout &layout();

} // namespace CostRecord
