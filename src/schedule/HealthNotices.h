#pragma once

#include "kennel/HealthBooklet.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class ProgramFolder;

// The health booklets' due entries as the schedule shows them beside its own
// deadlines: on the start view, announced by line, and in the imminent list.
// Read only when the booklets' archive exists, in one pass, and the dog
// archive only at the cards the entries name, so that a start without
// booklets reads nothing more than before.
namespace HealthNotices {

struct Notice
{
    HealthBooklet::Entry entry;
    QString dogName; // the card's name, or "cane n. 7" for a card without one
    QString line; // "Richiamo rabbia — Rex, 14/03/2026"
    // The card's values of dogCardCells, in their order; none for a dog
    // whose card cannot be read.
    QStringList card;
};

/// The name a line gives a dog whose card has no name or lies beyond the
/// archive: the card's number, which the dog archive's window shows too.
QString unnamedDog(qint64 position);

/// Every dog's entries HealthBooklet::toAnnounce takes on today, in order
/// of due date, each with its dog's name, its line and its card's values. A
/// dog archive that cannot be read leaves every dog unnamed. Throws
/// RecordFileError when the booklets' archive cannot be read.
QList<Notice> read(const ProgramFolder &folder, QDate today);

} // namespace HealthNotices
