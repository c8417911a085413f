#pragma once

#include "storage/DogRecord.h"
#include "storage/ScheduleRecord.h"

#include <utility>

// The values of a dog's card that a schedule entry shows, each with the
// entry's field for it: a dog chosen for an entry copies them, and a health
// booklet's row among the deadlines shows them from the dog's card.
inline constexpr std::pair<DogRecord::Field, ScheduleRecord::Field> dogCardCells[] = {
    { DogRecord::Nome, ScheduleRecord::Nome },
    { DogRecord::DataNasc, ScheduleRecord::DataNasc },
    { DogRecord::Razza, ScheduleRecord::Razza },
    { DogRecord::Mantello, ScheduleRecord::Mantello },
    { DogRecord::Microchip, ScheduleRecord::Microchip },
    { DogRecord::Segni, ScheduleRecord::Segni },
    { DogRecord::Proprietario, ScheduleRecord::Proprietario },
    { DogRecord::Recapito, ScheduleRecord::Recapito },
    { DogRecord::CodFisc, ScheduleRecord::CodFisc },
};
