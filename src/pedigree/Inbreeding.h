#pragma once

#include "pedigree/PedigreeTree.h"

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
    /// Distinct ancestors over the 30 possible, as a fraction: an ancestor
    /// met again lowers it, a box without a name does not.
    double ancestorLoss = 1;
    QList<RepeatedAncestor> repeated; // by their first box
};

/// Wright's path method over the tree: for every ancestor common to the
/// sire's and the dam's lines and every pair of paths through it that share
/// no other ancestor, (1/2)^(n1 + n2 + 1) (1 + F_A), n1 and n2 being the
/// generations from the sire and from the dam up to the ancestor and F_A the
/// ancestor's own coefficient from the boxes above it. An ancestor is one
/// card when linked, else one name (compared as pedigrees compare names);
/// a box whose card is its own ancestor takes no part.
Coefficients coefficientsOf(const Tree &tree);

} // namespace Pedigree
