// The pedigree tree over an archive of cards and the coefficients computed
// from it, against values known from genetics.

#include "kennel/Inbreeding.h"
#include "kennel/PedigreeTexts.h"
#include "kennel/PedigreeTree.h"
#include "storage/DogRecord.h"
#include "storage/Record.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>

using namespace Pedigree;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(Pedigree::Root)

namespace {

// An archive written as "name: sire, dam" lines, one card each.
struct Archive
{
    QList<Card> cards;
    CardIndex index;
    mutable int reads = 0;

    explicit Archive(const QStringList &lines)
    {
        for (const QString &line : lines) {
            const QStringList nameAndParents = line.split(u':');
            const QStringList parents = nameAndParents.value(1).split(u',');
            Card card;
            card.position = cards.size();
            card.name = nameAndParents.first().trimmed();
            card.sire = parents.value(0).trimmed();
            card.dam = parents.value(1).trimmed();
            index.add(card.name, card.position);
            cards.append(card);
        }
    }

    Tree treeOf(const Root &root) const
    {
        return build(root, index, [this](qint64 position) -> std::optional<Card> {
            ++reads;
            if (position < 0 || position >= cards.size())
                return std::nullopt;
            return cards[position];
        });
    }
};

Root puppiesOf(const QString &sire, const QString &dam)
{
    Root root;
    root.sire = sire;
    root.dam = dam;
    return root;
}

Root pedigreeOf(const QString &sire, const QString &dam, const QString &grandparents)
{
    Root root = puppiesOf(sire, dam);
    root.sireSide[0] = grandparents;
    root.damSide[0] = grandparents;
    return root;
}

// Breaks a line at spaces into lines of at most width characters, a longer
// word anywhere: a box's width as a count of characters.
QStringList brokenAt(const QString &line, qsizetype width)
{
    QStringList lines;
    QString current;
    for (QString word : line.split(u' ', Qt::SkipEmptyParts)) {
        if (!current.isEmpty() && current.size() + 1 + word.size() <= width) {
            current += u' ' + word;
            continue;
        }
        if (!current.isEmpty())
            lines.append(current);
        while (word.size() > width) {
            lines.append(word.left(width));
            word.remove(0, width);
        }
        current = word;
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

// A kennel whose every line ends within the five generations: each dog of
// layer k (the parents being layer 1) has its parents, when known, among
// the layers above it, so no ancestor of the litter lies beyond the chart
// and the chart's coefficient is the whole genealogy's.
struct LayeredKennel
{
    struct Dog
    {
        int layer;
        int sire = -1; // -1 for a parent not known
        int dam = -1;
    };
    QList<Dog> dogs;

    explicit LayeredKennel(std::mt19937 &random)
    {
        const int perLayer[] = { 2, 2 + int(random() % 3), 2 + int(random() % 4), 2 + int(random() % 5) };
        for (int layer = 1; layer <= 4; ++layer)
            for (int i = 0; i < perLayer[layer - 1]; ++i)
                dogs.append(Dog { layer });
        for (Dog &dog : dogs) {
            const auto someElder = [&]() {
                QList<int> elders;
                for (int i = 0; i < dogs.size(); ++i)
                    if (dogs[i].layer > dog.layer)
                        elders.append(i);
                return elders.isEmpty() || random() % 5 == 0 ? -1 : elders[int(random() % elders.size())];
            };
            dog.sire = someElder();
            dog.dam = someElder();
        }
    }

    static QString nameOf(int dog) { return u"Cane %1"_s.arg(dog); }

    QStringList cards() const
    {
        QStringList lines;
        for (int i = 0; i < dogs.size(); ++i)
            lines.append(nameOf(i) + u": "_s + (dogs[i].sire < 0 ? QString() : nameOf(dogs[i].sire)) + u", "_s
                + (dogs[i].dam < 0 ? QString() : nameOf(dogs[i].dam)));
        return lines;
    }

    // Kinship over the dogs themselves, the younger giving way to its parents.
    double kinship(int a, int b) const
    {
        if (a < 0 || b < 0)
            return 0;
        if (a == b)
            return (1 + kinship(dogs[a].sire, dogs[a].dam)) / 2;
        if (dogs[a].layer > dogs[b].layer)
            std::swap(a, b);
        return (kinship(dogs[a].sire, b) + kinship(dogs[a].dam, b)) / 2;
    }
};

QStringList namesIn(const Tree &tree, int first, int last)
{
    QStringList names;
    for (int box = first; box <= last; ++box)
        names.append(tree.boxes[size_t(box)].name);
    return names;
}

} // namespace

class tst_Pedigree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void names_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("commas") << "Rex, Lola" << QStringList { u"Rex"_s, u"Lola"_s };
        QTest::newRow("every separator")
            << "A;B/C\r\nD\nE" << QStringList { u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s };
        QTest::newRow("an ancestor not known")
            << "Rex, , Lola, Bea" << QStringList { u"Rex"_s, u""_s, u"Lola"_s, u"Bea"_s };
        QTest::newRow("blank field") << "  " << QStringList {};
        QTest::newRow("separators only") << " , ; " << QStringList {};
    }
    void names()
    {
        QFETCH(QString, field);
        QFETCH(QStringList, names);
        QCOMPARE(namesOf(field), names);
    }

    // Values every breeder's table gives, the pedigrees written as cards of the archive.
    void inbreeding_data()
    {
        QTest::addColumn<QStringList>("cards");
        QTest::addColumn<double>("expected");
        QTest::newRow("unrelated parents") << QStringList { u"S: A, B"_s, u"D: C, E"_s } << 0.0;
        QTest::newRow("full siblings") << QStringList { u"S: P1, P2"_s, u"D: P1, P2"_s } << 0.25;
        QTest::newRow("half siblings") << QStringList { u"S: P1, M1"_s, u"D: P1, M2"_s } << 0.125;
        QTest::newRow("parent and child") << QStringList { u"S: A, B"_s, u"D: S, M"_s } << 0.25;
        QTest::newRow("first cousins")
            << QStringList { u"S: A, B"_s, u"D: C, E"_s, u"A: G1, G2"_s, u"C: G1, G2"_s } << 0.0625;
        // The common parent is itself the offspring of full siblings (F = 25 %).
        QTest::newRow("half siblings through an inbred parent") << QStringList { u"S: P, M1"_s, u"D: P, M2"_s,
            u"P: Q1, Q2"_s, u"Q1: R1, R2"_s, u"Q2: R1, R2"_s } << 0.15625;
        // Full siblings whose parents are full siblings too: every path is summed.
        QTest::newRow("two generations of full siblings")
            << QStringList { u"S: P1, P2"_s, u"D: P1, P2"_s, u"P1: G1, G2"_s, u"P2: G1, G2"_s } << 0.375;
        QTest::newRow("names matched without regard to case")
            << QStringList { u"S: rex, LOLA"_s, u"D:  Rex , lola"_s } << 0.25;
    }
    void inbreeding()
    {
        QFETCH(QStringList, cards);
        QFETCH(double, expected);
        const Archive archive(cards);
        QCOMPARE(coefficientsOf(archive.treeOf(puppiesOf(u"S"_s, u"D"_s))).inbreeding, expected);
        // Nor does the order of the cards change anything.
        QStringList shuffled = cards;
        std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(20241210));
        std::reverse(shuffled.begin(), shuffled.end());
        QCOMPARE(coefficientsOf(Archive(shuffled).treeOf(puppiesOf(u"S"_s, u"D"_s))).inbreeding, expected);
    }

    // Over kennels drawn at random, the chart's coefficient is the kinship of
    // the litter's parents computed over the dogs themselves.
    void agreesWithTheKinshipOfTheParents_data()
    {
        QTest::addColumn<int>("seed");
        for (int seed = 1; seed <= 200; ++seed)
            QTest::addRow("kennel %d", seed) << seed;
    }
    void agreesWithTheKinshipOfTheParents()
    {
        QFETCH(int, seed);
        std::mt19937 random { quint32(seed) };
        const LayeredKennel kennel(random);
        const Tree tree
            = Archive(kennel.cards()).treeOf(puppiesOf(LayeredKennel::nameOf(0), LayeredKennel::nameOf(1)));
        const double expected = kennel.kinship(0, 1);
        QVERIFY2(std::abs(coefficientsOf(tree).inbreeding - expected) < 1e-12,
            qPrintable(kennel.cards().join(u"; ")));
    }

    // The same full siblings typed in the dog's own fields, with no card at all.
    void typedFieldsCountLikeCards()
    {
        Root root = puppiesOf(u"S"_s, u"D"_s);
        root.sireSide[0] = u"P1, P2"_s;
        root.damSide[0] = u"p1; p2"_s;
        const Coefficients coefficients = coefficientsOf(Archive({}).treeOf(root));
        QCOMPARE(coefficients.inbreeding, 0.25);
        QCOMPARE(coefficients.repeated.size(), 2);
        QCOMPARE(coefficients.repeated[0].name, u"P1"_s);
        QCOMPARE(coefficients.repeated[0].times, 2);
        QCOMPARE(coefficients.repeated[0].generations, (QList<int> { 2, 2 }));
        QCOMPARE(coefficients.repeated[0].share, 0.125);
        QCOMPARE(coefficients.distinctAncestors, 28.0 / 30.0);
        QCOMPARE(coefficients.knownAncestors, 6);
    }

    // Linked cards give the next generations; the dog's own fields fill what
    // the links leave open; where they disagree the card wins and the box
    // names the field.
    void linksAndTypedFields()
    {
        const Archive archive({ u"Rex: Argo, Bea"_s, u"Argo: Zeus, Hera"_s });
        Root root;
        root.name = u"Fido"_s;
        root.sire = u" REX "_s;
        root.dam = u"Lola"_s;
        root.sireSide = { u"Argo, Nina"_s, u"Zeus, Era, Tobia, Mia"_s, {} };
        root.damSide = { u"Max, Luna"_s, u"uno, due, tre"_s, {} };
        const Tree tree = archive.treeOf(root);
        QCOMPARE(namesIn(tree, 2, 7),
            (QStringList { u"Rex"_s, u"Lola"_s, u"Argo"_s, u"Bea"_s, u"Max"_s, u"Luna"_s }));
        QCOMPARE(namesIn(tree, 8, 11), (QStringList { u"Zeus"_s, u"Hera"_s, u"Tobia"_s, u"Mia"_s }));
        QCOMPARE(tree.boxes[2].link, Box::Link::Linked);
        QCOMPARE(tree.boxes[4].link, Box::Link::Linked);
        QCOMPARE(tree.boxes[3].link, Box::Link::Named);
        QCOMPARE(tree.boxes[5].disagreeingField, u"Nonni paterni"_s);
        QCOMPARE(tree.boxes[9].disagreeingField, u"Bisnonni paterni"_s);
        QVERIFY(tree.boxes[8].disagreeingField.isEmpty());
        // Three great-grandparents where four belong: the field is left out, and said so.
        QCOMPARE(namesIn(tree, 12, 15), (QStringList { {}, {}, {}, {} }));
        QCOMPARE(tree.warnings,
            QStringList {
                u"Il campo \"Bisnonni materni\" contiene 3 nomi invece di 4: non \u00E8 stato usato."_s });
    }

    // A name several cards bear links none of them, and the archive is read
    // no further than the second card that bears it.
    void ambiguousNameIsNotLinked()
    {
        QStringList cards { u"Rex: A, B"_s };
        for (int namesake = 0; namesake < 50; ++namesake)
            cards.append(u"rex: C, D"_s);
        const Archive archive(cards);
        const Tree tree = archive.treeOf(puppiesOf(u"Rex"_s, u"Lola"_s));
        QCOMPARE(tree.boxes[2].link, Box::Link::Ambiguous);
        QVERIFY(!tree.boxes[2].card);
        QVERIFY(tree.boxes[4].name.isEmpty());
        QCOMPARE(archive.reads, 2);
    }

    // Cards are told apart by their position and names by their text, and
    // neither is ever taken for the other.
    void identities_data()
    {
        QTest::addColumn<QStringList>("cards");
        QTest::addColumn<Root>("root");
        QTest::addColumn<double>("expected");
        QTest::newRow("a typed name that reads like a card's position")
            << QStringList { u"Argo: X, Y"_s, u"S: Argo, B"_s, u"D: #0, E"_s } << puppiesOf(u"S"_s, u"D"_s)
            << 0.0;
        Root namesakes = puppiesOf(u"Fido"_s, u"fido"_s);
        namesakes.sireCard = 0;
        namesakes.damCard = 1;
        QTest::newRow("namesakes chosen as cards")
            << QStringList { u"Fido: A, B"_s, u"fido: C, E"_s } << namesakes << 0.0;
        QTest::newRow("namesakes chosen as cards, half siblings")
            << QStringList { u"Fido: A, B"_s, u"fido: A, E"_s } << namesakes << 0.125;
        // Borne by two cards, the name is one ancestor as typed, apart from either card.
        QTest::newRow("a name two cards bear, met on both sides")
            << QStringList { u"Rex: A, B"_s, u"rex: C, E"_s, u"S: Rex, M1"_s, u"D: REX, M2"_s }
            << puppiesOf(u"S"_s, u"D"_s) << 0.125;
    }
    void identities()
    {
        QFETCH(QStringList, cards);
        QFETCH(Root, root);
        QFETCH(double, expected);
        const Archive archive(cards);
        const Tree tree = archive.treeOf(root);
        QCOMPARE(coefficientsOf(tree).inbreeding, expected);
        if (root.sireCard) {
            QCOMPARE(tree.boxes[2].card->position, 0);
            QCOMPARE(tree.boxes[3].card->position, 1);
            QCOMPARE(tree.boxes[4].name, u"A"_s);
        }
    }

    // A dog met again below itself, in its own line, stops the line there:
    // the box keeps its name, nothing above it is read, no path runs
    // through it, and the reader is told once.
    void loops_data()
    {
        QTest::addColumn<QStringList>("cards");
        QTest::addColumn<Root>("root");
        QTest::addColumn<QList<int>>("loops");
        QTest::addColumn<QStringList>("named");
        QTest::addColumn<double>("expected");
        const auto loop = [](const QString &name) {
            return u"\u00AB"_s + name + u"\u00BB risulta antenato di se stesso: la sua linea si ferma qui."_s;
        };
        QTest::newRow("a card sire of its own sire")
            << QStringList { u"Rex: Argo, Bea"_s, u"Argo: Rex, Hera"_s } << puppiesOf(u"Rex"_s, u"Lola"_s)
            << QList<int> { 8 } << QStringList { loop(u"Rex"_s) } << 0.0;
        QTest::newRow("a card its own sire and dam, in four lines")
            << QStringList { u"Rex: Argo, Bea"_s, u"Lola: Argo, Bea"_s, u"Argo: Argo, Argo"_s }
            << puppiesOf(u"Rex"_s, u"Lola"_s) << QList<int> { 8, 9, 12, 13 }
            << QStringList { loop(u"Argo"_s) } << 0.25;
        QTest::newRow("typed grandparents repeating the parents")
            << QStringList {} << pedigreeOf(u"S"_s, u"D"_s, u"S, D"_s) << QList<int> { 4, 7 }
            << QStringList { loop(u"S"_s), loop(u"D"_s) } << 0.25;
        Root ownSire = pedigreeOf(u"Rex"_s, u"Lola"_s, {});
        ownSire.position = 0;
        QTest::newRow("the dog's card its own sire")
            << QStringList { u"Rex: Rex, Lola"_s } << ownSire << QList<int> { 2 }
            << QStringList { loop(u"Rex"_s) } << 0.0;
    }
    void loops()
    {
        QFETCH(QStringList, cards);
        QFETCH(Root, root);
        QFETCH(QList<int>, loops);
        QFETCH(QStringList, named);
        QFETCH(double, expected);
        const Tree tree = Archive(cards).treeOf(root);
        for (int box = 2; box < boxCount; ++box) {
            const bool isLoop = loops.contains(box);
            QCOMPARE(tree.boxes[size_t(box)].link == Box::Link::Loop, isLoop);
            if (isLoop)
                QVERIFY(!tree.boxes[size_t(box)].name.isEmpty());
            if (loops.contains(box / 2))
                QVERIFY(tree.boxes[size_t(box)].name.isEmpty());
        }
        QCOMPARE(tree.warnings, named);
        QCOMPARE(coefficientsOf(tree).inbreeding, expected);
    }

    // Archives and fields typed carelessly (names reused on both sides,
    // dogs their own ancestors, names borne by several cards, generations
    // that contradict the cards) still give coefficients a pedigree can
    // have, each warning said once.
    void everyCoefficientIsAFraction_data()
    {
        QTest::addColumn<int>("seed");
        for (int seed = 1; seed <= 400; ++seed)
            QTest::addRow("pedigree %d", seed) << seed;
    }
    void everyCoefficientIsAFraction()
    {
        QFETCH(int, seed);
        std::mt19937 random { quint32(seed) };
        const int names = 3 + int(random() % 8);
        const auto someName
            = [&] { return random() % 6 == 0 ? QString() : u"Cane %1"_s.arg(random() % names); };
        const auto someNames = [&](int count) {
            QStringList typed;
            for (int i = 0; i < count; ++i)
                typed.append(someName());
            return typed.join(u", "_s);
        };
        QStringList cards;
        for (int card = int(random() % 12); card > 0; --card)
            cards.append(someName() + u": "_s + someName() + u", "_s + someName());
        Root root = puppiesOf(someName(), someName());
        for (int generation = 0; generation < 3; ++generation) {
            root.sireSide[size_t(generation)] = someNames(2 << generation);
            root.damSide[size_t(generation)] = someNames(2 << generation);
        }
        if (!cards.isEmpty() && random() % 2 == 0)
            root.position = random() % cards.size();

        const Tree tree = Archive(cards).treeOf(root);
        const Coefficients coefficients = coefficientsOf(tree);
        QVERIFY2(coefficients.inbreeding >= 0 && coefficients.inbreeding <= 1,
            qPrintable(QString::number(coefficients.inbreeding)));
        double shares = 0;
        for (const RepeatedAncestor &ancestor : coefficients.repeated) {
            QVERIFY(ancestor.share >= 0 && ancestor.share <= coefficients.inbreeding + 1e-12);
            shares += ancestor.share;
        }
        QVERIFY(shares <= coefficients.inbreeding + 1e-12);
        QVERIFY(coefficients.distinctAncestors > 0 && coefficients.distinctAncestors <= 1);
        QVERIFY(coefficients.knownAncestors >= 0 && coefficients.knownAncestors <= ancestorPlaces);
        QCOMPARE(QSet<QString>(tree.warnings.begin(), tree.warnings.end()).size(), tree.warnings.size());
    }

    // The figure breeders know beside how much of the pedigree is known:
    // 100 % distinct over 4 known ancestors is no sound pedigree.
    void distinctAndKnownAncestors()
    {
        const Coefficients sparse = coefficientsOf(Archive({}).treeOf(pedigreeOf(u"S"_s, u"D"_s, {})));
        QCOMPARE(sparse.distinctAncestors, 1.0);
        QCOMPARE(sparse.knownAncestors, 2);
        QCOMPARE(PedigreeTexts::distinctAncestorsLine(sparse.distinctAncestors),
            u"Antenati diversi (AVK): 100,00\u00A0%"_s);
        QCOMPARE(PedigreeTexts::completenessLine(4),
            u"Completezza del pedigree: 4 antenati noti su 30 (13,33\u00A0%)"_s);
        QCOMPARE(PedigreeTexts::completenessLine(1),
            u"Completezza del pedigree: 1 antenato noto su 30 (3,33\u00A0%)"_s);
    }

    // A generation field with a count of names that does not fit is named,
    // its count in words that agree with it.
    void misfitFieldWarning_data()
    {
        QTest::addColumn<QString>("grandparents");
        QTest::addColumn<QString>("warning");
        QTest::newRow("one name")
            << u"Argo"_s
            << u"Il campo \"Nonni paterni\" contiene 1 nome invece di 2: non \u00E8 stato usato."_s;
        QTest::newRow("three names")
            << u"Argo, Bea, Zeus"_s
            << u"Il campo \"Nonni paterni\" contiene 3 nomi invece di 2: non \u00E8 stato usato."_s;
    }
    void misfitFieldWarning()
    {
        QFETCH(QString, grandparents);
        QFETCH(QString, warning);
        Root root = puppiesOf(u"S"_s, u"D"_s);
        root.sireSide[0] = grandparents;
        QCOMPARE(Archive({}).treeOf(root).warnings, QStringList { warning });
    }

    // What a box says: the sex by its place (the dog's from its card), the
    // linked card's details, why a name links nothing.
    void boxTexts()
    {
        Box linked { u"Argo"_s, Box::Link::Linked, Card {}, {} };
        linked.card->breed = u"Bracco italiano"_s;
        linked.card->studBook = u"LOI 11/111"_s;
        linked.card->born = u"01/02/2020"_s;
        linked.card->firstTitle = u"CH. IT"_s;
        QCOMPARE(PedigreeTexts::boxLines(linked, 2),
            (QStringList { u"\u2642 Argo"_s, u"Bracco italiano"_s, u"LOI 11/111"_s, u"Nato il 01/02/2020"_s,
                u"CH. IT"_s }));
        QCOMPARE(PedigreeTexts::boxLines(Box { u"Bea"_s, Box::Link::Ambiguous, {}, {} }, 5),
            (QStringList { u"\u2640 Bea"_s, u"(pi\u00F9 schede con questo nome: non collegato)"_s }));
        QCOMPARE(PedigreeTexts::boxLines(Box {}, 1), QStringList { u"sconosciuto"_s });
        linked.card->sex = u"f"_s;
        QCOMPARE(PedigreeTexts::sexOf(linked, 1), PedigreeTexts::Sex::Female);

        QCOMPARE(PedigreeTexts::percent(0), u"0,00\u00A0%"_s);
        QCOMPARE(PedigreeTexts::percent(0.125), u"12,50\u00A0%"_s);
        QCOMPARE(PedigreeTexts::percent(1), u"100,00\u00A0%"_s);
        QCOMPARE(PedigreeTexts::generationsText({ 2, 3, 3 }), u"2, 3, 3"_s);
    }

    // A box's lines in the room it has: the name on two lines before it is
    // cut, then the details that fit, each cut short when too long.
    void fittedLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("room");
        QTest::addColumn<QStringList>("name");
        QTest::addColumn<QStringList>("details");
        const QStringList stella { u"Stella di Casa Rossi"_s, u"Bracco italiano"_s, u"Nato il 01/02/2020"_s };
        QTest::newRow("room for all") << stella << 5 << QStringList { u"Stella di"_s, u"Casa Rossi"_s }
                                      << QStringList { u"Bracco it\u2026"_s, u"Nato il 0\u2026"_s };
        QTest::newRow("room for the name alone")
            << stella << 2 << QStringList { u"Stella di"_s, u"Casa Rossi"_s } << QStringList {};
        QTest::newRow("room for one line")
            << stella << 1 << QStringList { u"Stella di\u2026"_s } << QStringList {};
        QTest::newRow("a name longer than two lines")
            << QStringList { u"Stella di Casa Rossi del Monte"_s } << 3
            << QStringList { u"Stella di"_s, u"Casa Ross\u2026"_s } << QStringList {};
        QTest::newRow("a short name") << QStringList { u"Rex"_s, u"Bracco"_s } << 3
                                      << QStringList { u"Rex"_s } << QStringList { u"Bracco"_s };
    }
    void fittedLines()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, room);
        QFETCH(QStringList, name);
        QFETCH(QStringList, details);
        const auto tenCharacters = [](const QString &line) { return brokenAt(line, 10); };
        const PedigreeTexts::FittedLines fitted
            = PedigreeTexts::fittedLines(lines, room, tenCharacters, tenCharacters);
        QCOMPARE(fitted.name, name);
        QCOMPARE(fitted.details, details);
    }

    void breederLabels_data()
    {
        QTest::addColumn<QString>("breed");
        QTest::addColumn<QString>("born");
        QTest::addColumn<QString>("label");
        QTest::newRow("breed and year")
            << u"Bracco italiano"_s << u"03/04/2019"_s << u"Fido (Bracco italiano, 2019)"_s;
        QTest::newRow("year alone") << QString() << u"03/04/2019"_s << u"Fido (2019)"_s;
        QTest::newRow("a date not understood") << u"Setter"_s << u"primavera"_s << u"Fido (Setter)"_s;
        QTest::newRow("nothing more") << QString() << QString() << u"Fido"_s;
    }
    void breederLabels()
    {
        QFETCH(QString, breed);
        QFETCH(QString, born);
        QFETCH(QString, label);
        QCOMPARE(PedigreeTexts::breederLabel({ 7, u"Fido"_s, breed, born }), label);
    }

    // From a real archive file: one scan, the linked cards read with their details.
    void treeFromTheArchiveFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(DogRecord::fileName);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const auto write
            = [&file](const QString &name, const QString &sire, const QString &dam, const QString &sex) {
                  Record dog(DogRecord::layout());
                  dog.setValue(DogRecord::Nome, name);
                  dog.setValue(DogRecord::Padre, sire);
                  dog.setValue(DogRecord::Madre, dam);
                  dog.setValue(DogRecord::Sesso, sex);
                  dog.setValue(DogRecord::Titoli, u"CH. IT; JCH"_s);
                  file.write(dog.bytes());
              };
        write(u"Lola"_s, u"Argo"_s, u"Bea"_s, u"F"_s);
        write(u"Rex"_s, u"Argo"_s, u"Bea"_s, u"M"_s);
        write(u"Argo"_s, {}, {}, u"m"_s);
        write(u"argo"_s, {}, {}, u"M"_s);
        write(u"Senza sesso"_s, {}, {}, {});
        write({}, {}, {}, u"F"_s);
        file.close();

        const Tree tree = buildFromArchive(path, puppiesOf(u"Rex"_s, u"Lola"_s));
        QCOMPARE(tree.boxes[2].card->position, 1);
        QCOMPARE(tree.boxes[2].card->sex, u"M"_s);
        QCOMPARE(tree.boxes[3].card->firstTitle, u"CH. IT"_s);
        QCOMPARE(namesIn(tree, 4, 7), (QStringList { u"Argo"_s, u"Bea"_s, u"Argo"_s, u"Bea"_s }));
        QCOMPARE(tree.boxes[4].link, Box::Link::Ambiguous);
        QCOMPARE(coefficientsOf(tree).inbreeding, 0.25);

        // A test mating is chosen among the cards of either sex, namesakes
        // each by its own position.
        const Breeders breeders = breedersOf(path);
        const auto positionsOf = [](const QList<Breeder> &list) {
            QList<qint64> positions;
            for (const Breeder &breeder : list)
                positions.append(breeder.position);
            return positions;
        };
        QCOMPARE(positionsOf(breeders.males), (QList<qint64> { 2, 3, 1 })); // Argo, argo, Rex
        QCOMPARE(breeders.males[1].name, u"argo"_s);
        QCOMPARE(positionsOf(breeders.females), QList<qint64> { 0 });

        const Tree withoutArchive
            = buildFromArchive(folder.filePath(u"missing.pro"_s), puppiesOf(u"Rex"_s, {}));
        QCOMPARE(withoutArchive.boxes[2].link, Box::Link::Named);
        QVERIFY(breedersOf(folder.filePath(u"missing.pro"_s)).males.isEmpty());
        QVERIFY(!QFile::exists(folder.filePath(u"missing.pro"_s)));
    }
};

QTEST_GUILESS_MAIN(tst_Pedigree)
#include "tst_pedigree.moc"
