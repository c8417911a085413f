#include "pedigree/Inbreeding.h"

#include <QHash>

#include <cmath>
#include <map>

namespace Pedigree {

namespace {

// The boxes from box down to, and including, the box last.
QList<int> lineDownTo(int box, int last)
{
    QList<int> line;
    for (; box >= last; box /= 2) {
        line.append(box);
        if (box == last)
            break;
    }
    return line;
}

bool isInSubtree(int box, int root)
{
    while (box > root)
        box /= 2;
    return box == root;
}

class PathMethod
{
public:
    explicit PathMethod(const Tree &tree)
    {
        for (int box = 1; box < boxCount; ++box)
            m_identity[size_t(box)] = identityOf(tree.boxes[size_t(box)]);
    }

    /// The coefficient of the individual in box, from the boxes above it;
    /// shares, when given, receive each common ancestor's part by its identity.
    double coefficient(int box, QHash<QString, double> *shares = nullptr)
    {
        const int sire = 2 * box;
        const int dam = sire + 1;
        if (dam >= boxCount)
            return 0;
        if (const auto known = m_known.find(box); known != m_known.end())
            return known->second;
        // An ancestor whose coefficient is being computed meets itself only
        // through a card that is its own ancestor, which takes no part: it
        // counts as not inbred rather than being followed for ever.
        m_known[box] = 0;
        double total = 0;
        for (int a = sire; a < boxCount; ++a) {
            if (!isInSubtree(a, sire) || m_identity[size_t(a)].isEmpty())
                continue;
            for (int b = dam; b < boxCount; ++b) {
                if (!isInSubtree(b, dam) || m_identity[size_t(b)] != m_identity[size_t(a)])
                    continue;
                const QList<int> sireLine = lineDownTo(a, sire);
                const QList<int> damLine = lineDownTo(b, dam);
                if (!onlyMeetAtTheTop(sireLine, damLine))
                    continue;
                const QString &ancestor = m_identity[size_t(a)];
                const double part = std::ldexp(1.0, -int(sireLine.size() + damLine.size() - 1))
                    * (1 + coefficient(ancestorBox(ancestor)));
                total += part;
                if (shares)
                    (*shares)[ancestor] += part;
            }
        }
        m_known[box] = total;
        return total;
    }

    const QString &identity(int box) const { return m_identity[size_t(box)]; }

    // The box where an ancestor is met first, whose boxes above it tell the
    // most of it; the dog itself is no ancestor, even when it bears an
    // ancestor's name.
    int ancestorBox(const QString &identity) const
    {
        for (int box = 2; box < boxCount; ++box)
            if (m_identity[size_t(box)] == identity)
                return box;
        return 0;
    }

private:
    static QString identityOf(const Box &box)
    {
        switch (box.link) {
        case Box::Link::Linked:
            return QStringLiteral("#%1").arg(box.card->position);
        case Box::Link::Named:
        case Box::Link::Ambiguous:
            return comparable(box.name);
        case Box::Link::Unknown:
        case Box::Link::Loop:
            break;
        }
        return {};
    }

    // Two paths up from the sire and the dam may share their top ancestor
    // and nobody else; a box without a name is nobody anyone shares.
    bool onlyMeetAtTheTop(const QList<int> &sireLine, const QList<int> &damLine) const
    {
        for (qsizetype i = 1; i < sireLine.size(); ++i) {
            const QString &below = m_identity[size_t(sireLine[i])];
            if (below.isEmpty())
                continue;
            if (below == m_identity[size_t(sireLine.first())])
                return false;
            for (qsizetype j = 1; j < damLine.size(); ++j)
                if (m_identity[size_t(damLine[j])] == below)
                    return false;
        }
        for (qsizetype j = 1; j < damLine.size(); ++j)
            if (m_identity[size_t(damLine[j])] == m_identity[size_t(damLine.first())])
                return false;
        return true;
    }

    std::array<QString, boxCount> m_identity;
    std::map<int, double> m_known;
};

} // namespace

Coefficients coefficientsOf(const Tree &tree)
{
    PathMethod method(tree);
    Coefficients result;
    QHash<QString, double> shares;
    result.inbreeding = method.coefficient(1, &shares);

    // Every ancestor met again, in the order of its first box.
    std::map<int, RepeatedAncestor> byFirstBox;
    QHash<QString, int> firstBoxOf;
    int repeats = 0;
    for (int box = 2; box < boxCount; ++box) {
        const QString &identity = method.identity(box);
        if (identity.isEmpty())
            continue;
        const auto first = firstBoxOf.constFind(identity);
        if (first == firstBoxOf.cend()) {
            firstBoxOf.insert(identity, box);
            byFirstBox[box] = { tree.boxes[size_t(box)].name, 1, { generationOf(box) }, shares.value(identity) };
            continue;
        }
        RepeatedAncestor &repeated = byFirstBox[*first];
        ++repeated.times;
        repeated.generations.append(generationOf(box));
        ++repeats;
    }
    for (const auto &[box, ancestor] : byFirstBox)
        if (ancestor.times > 1)
            result.repeated.append(ancestor);
    result.ancestorLoss = double(boxCount - 2 - repeats) / double(boxCount - 2);
    return result;
}

} // namespace Pedigree
