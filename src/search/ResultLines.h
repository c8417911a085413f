#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

class RecordView;

// The one-line, fixed-column description of a record that list windows show:
// each field trimmed, padded on the right with blanks and cut to its width,
// literal texts between the fields, the last field whole. The line is also
// what identifies the record when the user picks it: a window rebuilds the
// line of every record and compares.
namespace ResultLines {

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

/// Sorts lines as the sorted list boxes do: ascending by character code once
/// the letters a to z are turned into capitals. Lines equal in that order keep
/// their order.
void sortAsListed(QStringList &lines);

} // namespace ResultLines
