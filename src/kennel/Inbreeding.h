#pragma once

#include "kennel/PedigreeTree.h"

#include <QList>
#include <QString>

// The coefficients a breeder reads beside a pedigree, from the ancestors it
// knows: nothing is assumed of a box without a name, so every coefficient
// counts only the generations known.
namespace Pedigree {

// An ancestor met more than once among the 30.
struct RepeatedAncestor
{
    QString name;
    int times = 0;
    QList<int> generations; // of each time, in order (1 for a parent)
    double share = 0; // of the coefficient of inbreeding, as a fraction
};

struct Coefficients
{
    /// Wright's coefficient of inbreeding, as a fraction (0.25 for 25 %).
    double inbreeding = 0;
    /// Distinct ancestors over the 30 places, as a fraction (breeders' AVK):
    /// an ancestor met again lowers it, a box without a name does not.
    double distinctAncestors = 1;
    /// How many of the 30 places hold a known ancestor.
    int knownAncestors = 0;
    QList<RepeatedAncestor> repeated; // by their first box
};

/// The 30 places above the dog.
inline constexpr int ancestorPlaces = boxCount - 2;

/// Wright's coefficient as the dog's parents' coefficient of kinship,
/// computed over the boxes: two boxes are one ancestor when their
/// identities are the same, and then their kinship is (1 + F_A) / 2, F_A
/// being the ancestor's own coefficient from the boxes above its first box;
/// otherwise the younger of the two gives way to its parents, and the
/// kinship is the mean of theirs with the other. This is what Wright's
/// path method sums, and every coefficient stays between 0 and 1 even
/// over a pedigree whose typed names contradict each other. A box cut by a
/// loop takes no part, nor does any path through it.
Coefficients coefficientsOf(const Tree &tree);

} // namespace Pedigree
