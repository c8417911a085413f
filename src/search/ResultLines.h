#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>

class RecordView;

// The one-line, fixed-column description of a record that list windows show:
// each field trimmed, padded on the right with blanks and cut to its width,
// literal texts between the fields, the last field whole. A list keeps beside
// each line the position of its record, which a pick reads again.
namespace ResultLines {

// The lines of a list, each beside the 1-based position of the record it
// describes (positions[i] is the record of lines[i]).
struct Listing
{
    QStringList lines;
    QList<qint64> positions;
};

// One piece of a line: a field at a width, a field whole (width wholeField),
// or a literal text (field literal).
struct Piece
{
    static constexpr int literal = -1;
    static constexpr int wholeField = -1;

    int field;
    int width;
    const char16_t *text = nullptr;
};

/// The pieces of one record joined into its line.
QString build(RecordView record, std::initializer_list<Piece> pieces);

/// Name, breed, microchip, owner and telephone of a dog (dog search).
QString dogSearch(RecordView dog);
/// Name, telephone, occupation, dogs owned now and notes of an owner (owner search).
QString ownerSearch(RecordView owner);
/// Reason, date, time, owner, dog and amount of a schedule entry (schedule
/// search and the payment and confirmation summaries).
QString scheduleEntry(RecordView entry);
/// Name, telephone, occupation, dogs owned now and pending questions of an
/// owner (the owners to recontact).
QString ownerToRecontact(RecordView owner);

/// Sorts the lines as the sorted list boxes do, each position following its
/// line: ascending by character code once the letters a to z are turned into
/// capitals. Lines equal in that order keep their order.
void sortAsListed(Listing &listing);

/// The positions, in file order, of every line of the listing that reads as
/// the line of row once both are trimmed: records whose lines are equal
/// cannot be told apart in the list, so a pick of one stands for all of them.
QList<qint64> positionsAlike(const Listing &listing, qsizetype row);

} // namespace ResultLines
