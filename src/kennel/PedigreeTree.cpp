#include "kennel/PedigreeTree.h"

#include "storage/DogRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ShortText.h"
#include "storage/Windows1252.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace Pedigree {

namespace {

// The dog's generation fields, by side and by generation from the
// grandparents, with the labels the card shows them under.
struct GenerationField
{
    int generation;
    bool damSide;
    QStringView label;
};
constexpr GenerationField generationFields[] = {
    { 2, false, u"Nonni paterni" },
    { 3, false, u"Bisnonni paterni" },
    { 4, false, u"Trisnonni paterni" },
    { 2, true, u"Nonni materni" },
    { 3, true, u"Bisnonni materni" },
    { 4, true, u"Trisnonni materni" },
};

// The first box of a side in a generation: the sire's side takes the upper
// half of the generation's boxes, the dam's the lower.
int firstBoxOf(int generation, bool damSide)
{
    const int first = 1 << generation;
    return damSide ? first + first / 2 : first;
}

// FNV-1a over the name's UTF-16 units.
quint64 digestOf(QStringView comparableName)
{
    quint64 digest = 0xcbf29ce484222325ULL;
    for (const QChar c : comparableName) {
        digest ^= c.unicode();
        digest *= 0x100000001b3ULL;
    }
    return digest;
}

QString quoted(const QString &name)
{
    return u'\u00AB' + name + u'\u00BB';
}

QString countOfNames(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 nome") : QStringLiteral("%1 nomi").arg(count);
}

class TreeBuilder
{
public:
    TreeBuilder(const Root &root, const CardIndex &index, const CardReader &readCard)
        : m_root(root)
        , m_index(index)
        , m_readCard(readCard)
    {
    }

    Tree build()
    {
        placeGenerationFields();
        Box &dog = m_tree.boxes[1];
        dog.name = trimmedText(m_root.name);
        dog.link = dog.name.isEmpty() ? Box::Link::Unknown : Box::Link::Named;
        if (m_root.position) {
            dog.card = m_readCard(*m_root.position);
            if (dog.card)
                dog.link = Box::Link::Linked;
        }
        // Parents before their own parents: every box's child is settled first.
        for (int box = 2; box < boxCount; ++box)
            settle(box);
        return std::move(m_tree);
    }

private:
    // The names of the dog's own generation fields, in the boxes they fill.
    void placeGenerationFields()
    {
        for (int side = 0; side < 2; ++side) {
            const auto &fields = side == 0 ? m_root.sireSide : m_root.damSide;
            for (int level = 0; level < 3; ++level) {
                const GenerationField &field = generationFields[side * 3 + level];
                const QStringList names = namesOf(fields[size_t(level)]);
                if (names.isEmpty())
                    continue;
                const int expected = 1 << (field.generation - 1);
                if (names.size() != expected) {
                    warnOnce(
                        QStringLiteral("Il campo \"%1\" contiene %2 invece di %3: non \u00E8 stato usato.")
                            .arg(field.label, countOfNames(names.size()))
                            .arg(expected));
                    continue;
                }
                const int first = firstBoxOf(field.generation, field.damSide);
                for (int i = 0; i < expected; ++i) {
                    m_typed[size_t(first + i)] = names[i];
                    m_typedIn[size_t(first + i)] = field.label;
                }
            }
        }
        m_typed[2] = trimmedText(m_root.sire);
        m_typed[3] = trimmedText(m_root.dam);
    }

    void settle(int box)
    {
        // Above a loop the line has stopped: nothing there is the dog's ancestor.
        if (m_cut[size_t(box / 2)] || m_tree.boxes[size_t(box / 2)].link == Box::Link::Loop) {
            m_cut[size_t(box)] = true;
            return;
        }
        Box &settled = m_tree.boxes[size_t(box)];
        if (!linkChosenCard(box, settled)) {
            settled.name = nameIn(box, settled);
            if (settled.name.isEmpty())
                return;
            linkByName(settled);
        }
        if (isAmongDescendants(box, settled.identity())) {
            settled.link = Box::Link::Loop;
            settled.card.reset();
            warnOnce(QStringLiteral("%1 risulta antenato di se stesso: la sua linea si ferma qui.")
                         .arg(quoted(settled.name)));
        }
    }

    // A parent chosen as a card is that card, whatever its name.
    bool linkChosenCard(int box, Box &settled) const
    {
        const std::optional<qint64> chosen = box == 2 ? m_root.sireCard : m_root.damCard;
        if (box <= 3 && chosen)
            settled.card = m_readCard(*chosen);
        if (!settled.card)
            return false;
        settled.link = Box::Link::Linked;
        settled.name = trimmedText(settled.card->name);
        return true;
    }

    // The name in box: a linked card names its own parents, and the dog's own
    // fields fill what the links leave open; the dog's parents are the card's
    // as shown.
    QString nameIn(int box, Box &settled) const
    {
        const Box &child = m_tree.boxes[size_t(box / 2)];
        const QString &typed = m_typed[size_t(box)];
        if (box <= 3 || child.link != Box::Link::Linked)
            return typed;
        const QString linkedName = trimmedText(box % 2 == 0 ? child.card->sire : child.card->dam);
        if (linkedName.isEmpty())
            return typed;
        if (!typed.isEmpty() && comparable(typed) != comparable(linkedName))
            settled.disagreeingField = m_typedIn[size_t(box)].toString();
        return linkedName;
    }

    void linkByName(Box &settled) const
    {
        settled.link = Box::Link::Named;
        const QList<Card> cards = cardsNamed(settled.name);
        if (cards.size() > 1) {
            settled.link = Box::Link::Ambiguous;
        } else if (!cards.isEmpty()) {
            settled.card = cards.first();
            settled.link = Box::Link::Linked;
            settled.name = trimmedText(settled.card->name); // as the card spells it
        }
    }

    // The cards that bear name, read only until a second one makes the name
    // ambiguous: an archive where thousands of cards bear it is read no further.
    QList<Card> cardsNamed(const QString &name) const
    {
        const QString wanted = comparable(name);
        QList<Card> cards;
        for (const qint64 position : m_index.candidatesFor(name)) {
            std::optional<Card> card = m_readCard(position);
            if (card && comparable(card->name) == wanted)
                cards.append(std::move(*card));
            if (cards.size() > 1)
                break;
        }
        return cards;
    }

    // Whether who is already in the line from box down to the dog.
    bool isAmongDescendants(int box, const Identity &who) const
    {
        for (int descendant = box / 2; descendant >= 1; descendant /= 2)
            if (who.sameAs(m_tree.boxes[size_t(descendant)].identity()))
                return true;
        return false;
    }

    void warnOnce(const QString &warning)
    {
        if (!m_tree.warnings.contains(warning))
            m_tree.warnings.append(warning);
    }

    const Root &m_root;
    const CardIndex &m_index;
    const CardReader &m_readCard;
    Tree m_tree;
    // What the dog's own fields name in each box, and the field's label.
    std::array<QString, boxCount> m_typed;
    std::array<QStringView, boxCount> m_typedIn;
    // The boxes above a loop, left empty.
    std::array<bool, boxCount> m_cut {};
};

} // namespace

int generationOf(int box)
{
    int generation = 0;
    while (box > 1) {
        box /= 2;
        ++generation;
    }
    return generation;
}

QString comparable(QStringView name)
{
    return trimmedText(name).toCaseFolded();
}

QStringList namesOf(QStringView field)
{
    static const QRegularExpression separators(QStringLiteral("\\r\\n|[,;/\\n\\r]"));
    QStringList names;
    bool any = false;
    for (const QString &piece : field.toString().split(separators)) {
        names.append(trimmedText(piece));
        any = any || !names.last().isEmpty();
    }
    return any ? names : QStringList();
}

Identity Box::identity() const
{
    switch (link) {
    case Link::Linked:
        return { card->position };
    case Link::Named:
    case Link::Ambiguous:
        return { comparable(name) };
    case Link::Unknown:
    case Link::Loop:
        break;
    }
    return {};
}

Card Card::of(RecordView dog, qint64 position)
{
    using namespace DogRecord;
    const QStringList titles = namesOf(dog.value(Titoli));
    return { position, dog.value(Nome), dog.value(Padre), dog.value(Madre), dog.value(Sesso), dog.value(Razza),
        dog.value(ROI), dog.value(Microchip), dog.value(DataNasc), titles.isEmpty() ? QString() : titles.first() };
}

Root Root::of(RecordView dog, std::optional<qint64> position)
{
    using namespace DogRecord;
    return { position, dog.value(Nome), dog.value(Padre), dog.value(Madre),
        { dog.value(NonniPat), dog.value(BisnonniPat), dog.value(TrisnonniPat) },
        { dog.value(NonniMat), dog.value(BisnonniMat), dog.value(TrisnonniMat) }, {}, {} };
}

void CardIndex::add(QStringView name, qint64 position)
{
    // Folded in place, in a text kept from card to card.
    m_comparable.resize(0);
    m_comparable.append(trimmedView(name));
    m_comparable = std::move(m_comparable).toCaseFolded();
    if (!m_comparable.isEmpty())
        m_entries.push_back({ digestOf(m_comparable), position });
}

QList<qint64> CardIndex::candidatesFor(QStringView name) const
{
    const quint64 digest = digestOf(comparable(name));
    QList<qint64> positions;
    for (const Entry &entry : m_entries)
        if (entry.digest == digest)
            positions.append(entry.position);
    return positions;
}

Tree build(const Root &root, const CardIndex &index, const CardReader &readCard)
{
    return TreeBuilder(root, index, readCard).build();
}

Tree buildFromArchive(const QString &path, const Root &root)
{
    if (!QFileInfo::exists(path))
        return build(root, {}, [](qint64) { return std::nullopt; });
    RecordFile file;
    file.openOrCreate(path, DogRecord::recordSize);
    CardIndex index;
    QString name; // decoded into, card after card
    while (!file.atEnd()) {
        const qint64 position = file.currentIndex();
        const RecordView dog(DogRecord::layout(), file.readNextInPlace());
        name.resize(0);
        Windows1252::appendDecoded(name, dog.storedBytes(DogRecord::Nome));
        index.add(name, position);
    }
    Tree tree = build(root, index, [&file](qint64 position) -> std::optional<Card> {
        if (position < 0 || position >= file.recordCount())
            return std::nullopt;
        file.seekRecord(position);
        return Card::of(RecordView(DogRecord::layout(), file.readNextInPlace()), position);
    });
    file.closeFile();
    return tree;
}

Breeders breedersOf(const QString &path)
{
    Breeders breeders;
    if (!QFileInfo::exists(path))
        return breeders;
    RecordFile file;
    file.openOrCreate(path, DogRecord::recordSize);
    while (!file.atEnd()) {
        const qint64 position = file.currentIndex();
        const RecordView dog(DogRecord::layout(), file.readNextInPlace());
        const QString sex = dog.value(DogRecord::Sesso).trimmed().toUpper();
        const QString name = dog.value(DogRecord::Nome).trimmed();
        if (name.isEmpty())
            continue;
        Breeder breeder { position, name, dog.value(DogRecord::Razza).trimmed(),
            dog.value(DogRecord::DataNasc).trimmed() };
        if (sex == u"M")
            breeders.males.append(std::move(breeder));
        else if (sex == u"F")
            breeders.females.append(std::move(breeder));
    }
    file.closeFile();
    for (QList<Breeder> *list : { &breeders.males, &breeders.females })
        std::stable_sort(list->begin(), list->end(), [](const Breeder &a, const Breeder &b) {
            return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
        });
    return breeders;
}

} // namespace Pedigree
