#pragma once

#include "kennel/DogLogFile.h"
#include "storage/Record.h"

#include <QList>

// The cost list of one dog as its costs window shows it: one fixed-width line
// per cost, in the order the costs were entered, and their total.
namespace CostList {

/// The list line of a cost: date, payer, payee, reason and amount, each of the
/// first four blank-padded to its field's capacity so that the columns line up
/// in a fixed-pitch font.
QString line(const Record &cost);

/// The total as the window shows it: "€ " and the sum with two decimals.
/// The sum is first written in its shortest form and then given the amount
/// rule, so that a binary sum such as 10,10 + 20,20 = 30,2999… reads 30,30.
QString totalText(double sum);

/// The amounts the amount box can hold once given their two decimals: the
/// amount rule, and "0,00" for a text too long to fit the record field.
QString boxAmount(QStringView typed);

/// The most records a cost file may hold: ten costs a day for over 27 years.
/// A larger file is no list anyone kept (a sparse or damaged file, say) and
/// is refused unread.
inline constexpr qint64 maximumRecords = 100'000;

/// The cost files: their records, their names and their largest size.
extern const DogLogFile::Format format;

/// A cost as read from the file, with its position (1-based) there; its
/// record's bytes are what a change expects to find there still.
struct Cost
{
    Record record;
    qint64 position = 0;
};

struct Listing
{
    QList<Cost> costs; // in file order
    double sum = 0; // in binary floating point, in the order of the file
    qint64 unreadable = 0; // records whose fields cannot be told apart
};

/// Reads the cost file at path, creating it empty when missing: every cost
/// whose amount is not blank, and the sum of the amounts. A cost whose amount
/// is no number is listed (the user sees its text) but adds nothing; a record
/// whose fields do not fit (RecordView::fieldsFit) is left out and counted.
/// Throws RecordFileError, OversizedFileError for a file of more than
/// maximumRecords records.
Listing read(const QString &path);

} // namespace CostList
