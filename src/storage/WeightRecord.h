#pragma once

#include "storage/RecordLayout.h"

#include <QString>

// The weight log of one dog: one file per dog position, beside its cost file,
// one record per weighing. The file follows the cost files in every rule: it
// belongs to the position, not to the dog's values, a duplicated card starts
// without one, and the backup carries it.
//
// Weight record, 123 bytes, three short text fields:
//   Data  10 @0   the date of the weighing, "dd/mm/yyyy"
//   Peso  10 @11  the weight in kilograms with the comma, "12,35"
//   Note 100 @22  free text
// A record whose date and weight are both blank is an empty slot: a deleted
// weighing, which the next new weighing takes. Records are never moved.
namespace WeightRecord {

enum Field : int {
    Data,
    Peso,
    Note,
    FieldCount,
};

inline constexpr int recordSize = 123;

/// Name of the weight file of the dog at that 1-based position ("Pesi_Cane_7.pro").
QString fileNameForDog(int position);

/// The fields of every record of these files, in their order on disk.
const RecordLayout &layout();

} // namespace WeightRecord
