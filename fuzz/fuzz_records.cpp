// Arbitrary bytes read as a record of one of the five layouts (the first byte
// chooses which): every field must decode within its capacity and store back
// as the same text.

#include "storage/CostRecord.h"
#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/ScheduleRecord.h"
#include "storage/WeightRecord.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const RecordLayout *layouts[]
        = { &DogRecord::layout(), &OwnerRecord::layout(), &ScheduleRecord::layout(), &CostRecord::layout(),
              &WeightRecord::layout() };
    const RecordLayout &layout = *layouts[data[0] % 5];
    Record record(layout);
    std::copy_n(data + 1, std::min<size_t>(size - 1, size_t(record.size())), record.data());

    Record rewritten(layout);
    for (int field = 0; field < layout.fieldCount(); ++field) {
        const QString text = record.value(field);
        if (text.size() > layout.field(field).capacity)
            std::abort();
        rewritten.setValue(field, text);
        if (rewritten.value(field) != text)
            std::abort();
    }
    return 0;
}
