#include "kennel/HeatCycle.h"

#include <algorithm>
#include <cmath>

QDate HeatCycle::expectedNextHeat(QList<QDate> starts)
{
    starts.removeIf([](QDate start) { return !start.isValid(); });
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    if (starts.isEmpty())
        return {};
    if (starts.size() == 1)
        return starts.first().addMonths(usualIntervalMonths);
    // The intervals between consecutive heats sum to the span from the first
    // to the last, so their average needs no list of its own.
    const double average = double(starts.first().daysTo(starts.last())) / double(starts.size() - 1);
    return starts.last().addDays(std::llround(average));
}

HeatCycle::Whelping HeatCycle::whelpingAfter(QDate firstMating)
{
    if (!firstMating.isValid())
        return {};
    return { firstMating.addDays(gestationDays), firstMating.addDays(earliestWhelpingDays),
        firstMating.addDays(latestWhelpingDays) };
}
