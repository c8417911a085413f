#pragma once

#include <QDateTime>
#include <QString>

// The small program folder the manual's pictures are taken on: a few dogs
// of one kennel with their pedigrees, costs, weights and a photo, the last of
// them a puppy weighed every week, their owners and a year of deadlines, some
// already paid, all with Italian names, as of sampleNow().
namespace SampleFolder {

/// The moment the pictures are taken at, so that the manual does not change
/// with the day it is built.
QDateTime sampleNow();

/// Fills folder with the sample archives; false when a file could not be written.
bool fill(const QString &folder);

} // namespace SampleFolder
