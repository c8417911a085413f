#pragma once

#include "kennel/Inbreeding.h"
#include "kennel/PedigreeTree.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// What the pedigree window and its printed page say, the same on both.
namespace PedigreeTexts {

/// A fraction as a percentage with two decimals and the comma, the sign
/// never wrapped away from its figure: "12,50 %" (a non-breaking space).
QString percent(double fraction);

/// "Coefficiente di consanguineità (Wright, 5 generazioni): 12,50 %".
QString inbreedingLine(double coefficient);
/// "Antenati diversi (AVK): 93,33 %": 100 % when no ancestor is met twice.
QString distinctAncestorsLine(double distinct);
/// "Completezza del pedigree: 4 antenati noti su 30 (13,33 %)".
QString completenessLine(int knownAncestors);

/// The sex a box shows: a parent's by its place (a sire on the upper line,
/// a dam on the lower); the dog's from its card, nothing when not said.
enum class Sex { Unknown, Male, Female };
Sex sexOf(const Pedigree::Box &box, int number);
/// "♂" or "♀", and nothing for a sex not known.
QString sexSymbol(Sex sex);

/// The lines of a box: the sex and the name ("sconosciuto" when there is
/// none), then for a linked card its breed, stud-book number (as typed),
/// microchip, date of birth and first title, each only when known; for a
/// name that links nothing, why.
QStringList boxLines(const Pedigree::Box &box, int number);

/// A line broken where the room of a box makes it break.
using LineBreaker = std::function<QStringList(const QString &line)>;
/// The lines of a box (as boxLines gives them) in the lines it has room
/// for: the name on up to two, then as many details as fit; a line still
/// too long is cut short with "…".
struct FittedLines
{
    QStringList name;
    QStringList details;
};
FittedLines fittedLines(
    const QStringList &lines, int room, const LineBreaker &breakName, const LineBreaker &breakDetail);
/// The hint of a box whose name a field of the dog's card contradicts.
QString disagreementHint(const Pedigree::Box &box);

/// "2, 3, 3": the generations of a repeated ancestor.
QString generationsText(const QList<int> &generations);

/// A card of the test mating's lists, with what tells namesakes apart:
/// "Fido (Bracco italiano, 2019)".
QString breederLabel(const Pedigree::Breeder &breeder);

} // namespace PedigreeTexts
