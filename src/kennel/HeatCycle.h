#pragma once

#include <QDate>
#include <QList>

// A female's cycle as a breeder counts it: when her next heat is expected
// from the heats recorded, and when a litter is expected from the first
// mating. Plain date arithmetic, so that the heats' window, the kennel view
// and the start-up alarm give the same days.
namespace HeatCycle {

/// The interval taken when only one heat is recorded.
inline constexpr int usualIntervalMonths = 6;

/// The expected start of the next heat: the last recorded start plus the
/// average interval between the recorded starts (in whole days, rounded to
/// the nearest), or six months after it when only one is recorded. Starts
/// may come in any order; invalid ones and repeats are passed over. Invalid
/// when none is recorded.
QDate expectedNextHeat(QList<QDate> starts);

/// Days from the first mating to the expected whelping, and the window in
/// which a whelping is still normal.
inline constexpr int gestationDays = 63;
inline constexpr int earliestWhelpingDays = 58;
inline constexpr int latestWhelpingDays = 68;

struct Whelping
{
    QDate expected;
    QDate earliest;
    QDate latest;
    bool operator==(const Whelping &) const = default;
};

/// The whelping expected from the first mating on firstMating; all invalid
/// for an invalid date.
Whelping whelpingAfter(QDate firstMating);

} // namespace HeatCycle
