#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

class RecordView;

// A dog's pedigree over five generations: the dog, its parents, grandparents,
// great-grandparents and great-great-grandparents, 31 boxes numbered as
// pedigrees are read: box 1 is the dog, box 2k the sire of box k and box
// 2k + 1 its dam. So generation g (the parents being generation 1) holds
// the boxes 2^g to 2^(g+1) - 1, the sire's line above the dam's.
namespace Pedigree {

inline constexpr int generations = 4; // above the dog
inline constexpr int boxCount = 1 << (generations + 1); // box 0 unused

/// The generation of a box: 0 for the dog, 1 for its parents, and so on.
int generationOf(int box);

/// A name as pedigrees compare names: trimmed, letters without regard to case.
QString comparable(QStringView name);

/// The names of a generation field: separated by commas, semicolons,
/// slashes or line breaks, each trimmed. An empty piece between two
/// separators is an ancestor not known; a field with no name at all holds
/// none.
QStringList namesOf(QStringView field);

// What the pedigree knows of one card of the archive.
struct Card
{
    qint64 position = -1; // 0-based, in the dog archive
    QString name;
    QString sire;
    QString dam;
    QString sex;
    QString breed;
    QString studBook;
    QString microchip;
    QString born;
    QString firstTitle;

    /// The card's fields as the pedigree shows them.
    static Card of(RecordView dog, qint64 position);
};

// The archive's cards by name, from one scan, so that an ancestor's name
// finds its card at once. A name is kept as a 64-bit digest of the name as
// pedigrees compare it, so that indexing a large archive costs no text per
// card; as two names may share a digest, the cards found are candidates
// whose names the caller compares.
class CardIndex
{
public:
    /// Indexes the name of the card at position.
    void add(QStringView name, qint64 position);
    /// The positions of the cards that may bear this name, in file order.
    QList<qint64> candidatesFor(QStringView name) const;

private:
    struct Entry
    {
        quint64 digest;
        qint64 position;
    };
    std::vector<Entry> m_entries;
    QString m_comparable; // kept from card to card
};

// Who stands in a box, as ancestors are told apart: a card of the archive by
// its position, or a name that links no single card, as pedigrees compare
// names. A typed name is never taken for a card, whatever it reads, and two
// cards are two dogs even when their names differ only in case.
struct Identity
{
    std::variant<std::monostate, qint64, QString> who; // nobody, a card's position, a name

    bool isSomebody() const { return !std::holds_alternative<std::monostate>(who); }
    /// The same ancestor; nobody is nobody else, not even another box without a name.
    bool sameAs(const Identity &other) const { return isSomebody() && who == other.who; }
};

// One box of the chart.
struct Box
{
    enum class Link {
        Unknown,   // no name
        Named,     // a name that names no card
        Linked,    // the only card of that name
        Ambiguous, // a name that several cards bear
        Loop,      // met again below itself in its own line: the line stops here
    };

    QString name;
    Link link = Link::Unknown;
    std::optional<Card> card; // when linked
    /// The label of the dog's own generation field that names somebody else
    /// in this box ("Bisnonni paterni"); empty when none disagrees.
    QString disagreeingField;

    /// Who the box holds; nobody when it holds no name or is cut by a loop.
    Identity identity() const;
};

// The dog's own values (the card as shown, saved or not).
struct Root
{
    std::optional<qint64> position; // of its card, when stored
    QString name;
    QString sire;
    QString dam;
    // Nonni, Bisnonni and Trisnonni, the sire's side then the dam's.
    std::array<QString, 3> sireSide;
    std::array<QString, 3> damSide;
    // The parents' own cards when they were chosen as cards (a test mating):
    // they stay linked whatever their names, even a name several cards bear.
    std::optional<qint64> sireCard;
    std::optional<qint64> damCard;

    static Root of(RecordView dog, std::optional<qint64> position);
};

struct Tree
{
    std::array<Box, boxCount> boxes;
    /// What the reader should know, each once: a generation field whose
    /// count of names does not fit, an ancestor met again in its own line.
    QStringList warnings;
};

/// Reads a card of the archive at a position; nothing when it cannot.
using CardReader = std::function<std::optional<Card>(qint64 position)>;

/// Builds the tree of root. A name that names exactly one card links it,
/// and that card's sire and dam fill the next generation, recursively; the
/// root's own generation fields fill what links leave open, and where a
/// linked card and a field disagree the card wins and the box says which
/// field disagrees. A field whose count of names does not fit its
/// generation is not used, and is named among the warnings. An ancestor met
/// again below itself, in the line that leads from it to the dog, is a
/// loop: its box keeps the name, and everything above it stays empty.
Tree build(const Root &root, const CardIndex &index, const CardReader &readCard);

/// The tree of root over the dog archive at path: one scan indexes the
/// names, then the linked cards are read by position, all under one opening
/// of the file. A missing archive is an empty one. Throws RecordFileError.
Tree buildFromArchive(const QString &path, const Root &root);

// A card a test mating may choose: the position picks it, the rest tells
// namesakes apart.
struct Breeder
{
    qint64 position = -1;
    QString name;
    QString breed;
    QString born; // as typed on the card
};

// The cards a test mating is chosen from: those whose sex is "M" and "F",
// each list in alphabetical order, namesakes each in their place.
struct Breeders
{
    QList<Breeder> males;
    QList<Breeder> females;
};

/// Reads them from the dog archive at path; a missing archive has none.
/// Throws RecordFileError.
Breeders breedersOf(const QString &path);

} // namespace Pedigree
