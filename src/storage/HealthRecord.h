#pragma once

#include "storage/RecordLayout.h"

#include <QString>

// The health booklets of every dog: one archive in the program folder, one
// record per entry (a vaccination, a worming, a visit, ...), each naming the
// position of its dog. The booklet belongs to the position as the cost and
// weight files do: a duplicated card starts without one, and the backup
// carries the archive. One archive rather than a file per dog because the
// start-up check reads every dog's due dates: one file read front to back.
//
// Health record, 319 bytes, ten short text fields:
//   Cane         10 @0    the position of the dog, "7"; blank: an empty slot
//   Data         10 @11   the date of the entry, "dd/mm/yyyy"
//   Tipo         16 @22   the kind, as the booklet names it ("Vaccinazione")
//   Cosa         40 @39   the vaccine or product, free text ("rabbia")
//   Lotto        20 @80   the batch
//   Veterinario  40 @101
//   Esito        60 @142  the result (of a test: "HD A", "ED 0", ...)
//   Note        100 @203
//   Scadenza     10 @304  the next due date, "dd/mm/yyyy"; blank for none
//   Preavviso     3 @315  the days of notice before it, "7"
// A record whose dog is blank is an empty slot: a deleted entry, which the
// next new entry takes. Records are never moved.
namespace HealthRecord {

enum Field : int {
    Cane,
    Data,
    Tipo,
    Cosa,
    Lotto,
    Veterinario,
    Esito,
    Note,
    Scadenza,
    Preavviso,
    FieldCount,
};

inline constexpr int recordSize = 319;

/// Name of the archive: "Libretti_Sanitari.pro".
QString fileName();

/// The fields of every record of the archive, in their order on disk.
const RecordLayout &layout();

} // namespace HealthRecord
