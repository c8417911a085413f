#include "kennel/Inbreeding.h"

#include <map>
#include <optional>
#include <utility>

namespace Pedigree {

namespace {

bool isInSubtree(int box, int root)
{
    while (box > root)
        box /= 2;
    return box == root;
}

// Kinship over the boxes of one tree, each pair computed once.
class Kinship
{
public:
    explicit Kinship(const Tree &tree)
    {
        for (int box = 1; box < boxCount; ++box) {
            m_identity[size_t(box)] = tree.boxes[size_t(box)].identity();
            m_loop[size_t(box)] = tree.boxes[size_t(box)].link == Box::Link::Loop;
        }
    }

    /// The coefficient of inbreeding of the individual in box, from the boxes above it.
    double inbreedingOf(int box)
    {
        if (2 * box >= boxCount)
            return 0;
        if (const std::optional<double> known = m_inbreeding[size_t(box)])
            return *known;
        // Only typed names that contradict each other (a dog its own
        // ancestor across two lines) lead back here while the coefficient is
        // being computed: there it counts as not inbred, and the sum ends.
        m_inbreeding[size_t(box)] = 0;
        const double coefficient = between(2 * box, 2 * box + 1);
        m_inbreeding[size_t(box)] = coefficient;
        return coefficient;
    }

    /// The part of the coefficient of box owed to each common ancestor, by
    /// the ancestor's first box; the parts add up to the coefficient.
    std::map<int, double> sharesOf(int box)
    {
        std::map<int, double> shares;
        shareOut(2 * box, 2 * box + 1, 1, shares);
        return shares;
    }

    /// The first box that holds who, whose boxes above tell the most of it;
    /// the dog itself is no ancestor.
    int firstBoxOf(const Identity &who) const
    {
        for (int box = 2; box < boxCount; ++box)
            if (who.sameAs(m_identity[size_t(box)]))
                return box;
        return 0;
    }

private:
    // What the kinship of two boxes comes to: they are one ancestor, or one
    // of them gives way to its parents.
    struct Step
    {
        int ancestor = 0; // its first box, when they are one
        int givingWay = 0;
        int other = 0;
    };

    Step stepFor(int x, int y) const
    {
        if (m_identity[size_t(x)].sameAs(m_identity[size_t(y)]))
            return { firstBoxOf(m_identity[size_t(x)]), 0, 0 };
        // The younger gives way: one that the other's boxes hold above it is the elder.
        if (isAbove(m_identity[size_t(x)], y))
            return { 0, y, x };
        if (isAbove(m_identity[size_t(y)], x))
            return { 0, x, y };
        return generationOf(y) < generationOf(x) ? Step { 0, y, x } : Step { 0, x, y };
    }

    bool isAbove(const Identity &who, int box) const
    {
        for (int above = 2 * box; above < boxCount; ++above)
            if (isInSubtree(above, box) && who.sameAs(m_identity[size_t(above)]))
                return true;
        return false;
    }

    // Beyond the fifth generation nothing is known; a box cut by a loop, and
    // so every path through it, counts for nothing.
    bool takesPart(int box) const { return box < boxCount && !m_loop[size_t(box)]; }

    double between(int x, int y)
    {
        if (!takesPart(x) || !takesPart(y))
            return 0;
        const std::pair key { x, y };
        if (const auto known = m_kinship.find(key); known != m_kinship.end())
            return known->second;
        const Step step = stepFor(x, y);
        const double kinship = step.ancestor
            ? (1 + inbreedingOf(step.ancestor)) / 2
            : (between(2 * step.givingWay, step.other) + between(2 * step.givingWay + 1, step.other)) / 2;
        m_kinship[key] = kinship;
        return kinship;
    }

    // The same walk as between, carrying the weight of the paths that lead to each meeting.
    void shareOut(int x, int y, double weight, std::map<int, double> &shares)
    {
        if (!takesPart(x) || !takesPart(y))
            return;
        const Step step = stepFor(x, y);
        if (step.ancestor) {
            shares[step.ancestor] += weight * (1 + inbreedingOf(step.ancestor)) / 2;
            return;
        }
        shareOut(2 * step.givingWay, step.other, weight / 2, shares);
        shareOut(2 * step.givingWay + 1, step.other, weight / 2, shares);
    }

    std::array<Identity, boxCount> m_identity;
    std::array<bool, boxCount> m_loop {};
    std::array<std::optional<double>, boxCount> m_inbreeding;
    std::map<std::pair<int, int>, double> m_kinship;
};

} // namespace

Coefficients coefficientsOf(const Tree &tree)
{
    Kinship kinship(tree);
    Coefficients result;
    result.inbreeding = kinship.inbreedingOf(1);
    const std::map<int, double> shares = kinship.sharesOf(1);

    // Every ancestor known, by its first box, with each place it holds.
    std::map<int, RepeatedAncestor> byFirstBox;
    for (int box = 2; box < boxCount; ++box) {
        const Identity who = tree.boxes[size_t(box)].identity();
        if (!who.isSomebody())
            continue;
        ++result.knownAncestors;
        const int first = kinship.firstBoxOf(who);
        RepeatedAncestor &ancestor = byFirstBox[first];
        if (ancestor.times == 0) {
            ancestor.name = tree.boxes[size_t(first)].name;
            const auto share = shares.find(first);
            ancestor.share = share == shares.end() ? 0 : share->second;
        }
        ++ancestor.times;
        ancestor.generations.append(generationOf(box));
    }
    int distinct = 0;
    for (const auto &[box, ancestor] : byFirstBox) {
        ++distinct;
        if (ancestor.times > 1)
            result.repeated.append(ancestor);
    }
    // A place without a name counts as a distinct ancestor: only one met again lowers the figure.
    const int repeats = result.knownAncestors - distinct;
    result.distinctAncestors = double(ancestorPlaces - repeats) / double(ancestorPlaces);
    return result;
}

} // namespace Pedigree
