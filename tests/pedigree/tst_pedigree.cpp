// The pedigree tree over an archive of cards and the coefficients computed
// from it, against values known from genetics.

#include "pedigree/Inbreeding.h"
#include "pedigree/PedigreeTexts.h"
#include "pedigree/PedigreeTree.h"
#include "storage/DogRecord.h"
#include "storage/Record.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>

using namespace Pedigree;
using namespace Qt::Literals::StringLiterals;

namespace {

// An archive written as "name: sire, dam" lines, one card each.
struct Archive
{
    QList<Card> cards;
    CardIndex index;

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
        QTest::newRow("every separator") << "A;B/C\r\nD\nE" << QStringList { u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s };
        QTest::newRow("an ancestor not known") << "Rex, , Lola, Bea" << QStringList { u"Rex"_s, u""_s, u"Lola"_s, u"Bea"_s };
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
        QTest::newRow("half siblings through an inbred parent")
            << QStringList { u"S: P, M1"_s, u"D: P, M2"_s, u"P: Q1, Q2"_s, u"Q1: R1, R2"_s, u"Q2: R1, R2"_s }
            << 0.15625;
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
        QCOMPARE(coefficients.ancestorLoss, 28.0 / 30.0);
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
        QCOMPARE(namesIn(tree, 2, 7), (QStringList { u"Rex"_s, u"Lola"_s, u"Argo"_s, u"Bea"_s, u"Max"_s, u"Luna"_s }));
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
            QStringList { u"Il campo \"Bisnonni materni\" contiene 3 nomi invece di 4: non \u00E8 stato usato."_s });
    }

    void ambiguousNameIsNotLinked()
    {
        const Archive archive({ u"Rex: A, B"_s, u"rex: C, D"_s });
        const Tree tree = archive.treeOf(puppiesOf(u"Rex"_s, u"Lola"_s));
        QCOMPARE(tree.boxes[2].link, Box::Link::Ambiguous);
        QVERIFY(!tree.boxes[2].card);
        QVERIFY(tree.boxes[4].name.isEmpty());
    }

    // A card that is its own grandparent: the line stops there and is named.
    void loopIsFoundAndNamed()
    {
        const Archive archive({ u"Rex: Argo, Bea"_s, u"Argo: Rex, Hera"_s });
        const Tree tree = archive.treeOf(puppiesOf(u"Rex"_s, u"Lola"_s));
        QCOMPARE(tree.boxes[8].name, u"Rex"_s);
        QCOMPARE(tree.boxes[8].link, Box::Link::Loop);
        QVERIFY(tree.boxes[16].name.isEmpty());
        QCOMPARE(tree.warnings, QStringList { u"\u00ABRex\u00BB risulta antenato di se stesso: la sua linea si ferma qui."_s });
        QCOMPARE(coefficientsOf(tree).inbreeding, 0.0);
    }

    // Archives typed carelessly (names reused, dogs their own ancestors,
    // names borne by several cards) still give a tree and finite
    // coefficients, at once.
    void carelessArchivesStillGiveATree()
    {
        std::mt19937 random(20241210);
        const auto someName = [&random] { return QStringLiteral("Cane %1").arg(random() % 12); };
        for (int archiveNumber = 0; archiveNumber < 300; ++archiveNumber) {
            QStringList cards;
            for (int card = 0; card < 20; ++card)
                cards.append(someName() + u": "_s + someName() + u", "_s + someName());
            const Coefficients coefficients
                = coefficientsOf(Archive(cards).treeOf(puppiesOf(someName(), someName())));
            QVERIFY(std::isfinite(coefficients.inbreeding) && coefficients.inbreeding >= 0);
            QVERIFY(coefficients.ancestorLoss > 0 && coefficients.ancestorLoss <= 1);
        }
    }

    // What a box says: the sex by its place (the dog's from its card), the
    // linked card's details, why a name links nothing.
    void boxTexts()
    {
        Box linked { u"Argo"_s, Box::Link::Linked, Card {}, {} };
        linked.card->breed = u"Bracco italiano"_s;
        linked.card->born = u"01/02/2020"_s;
        linked.card->firstTitle = u"CH. IT"_s;
        QCOMPARE(PedigreeTexts::boxLines(linked, 2),
            (QStringList { u"\u2642 Argo"_s, u"Bracco italiano"_s, u"Nato il 01/02/2020"_s, u"CH. IT"_s }));
        QCOMPARE(PedigreeTexts::boxLines(Box { u"Bea"_s, Box::Link::Ambiguous, {}, {} }, 5),
            (QStringList { u"\u2640 Bea"_s, u"(pi\u00F9 schede con questo nome: non collegato)"_s }));
        QCOMPARE(PedigreeTexts::boxLines(Box {}, 1), QStringList { u"sconosciuto"_s });
        linked.card->sex = u"f"_s;
        QCOMPARE(PedigreeTexts::sexOf(linked, 1), PedigreeTexts::Sex::Female);

        QCOMPARE(PedigreeTexts::percent(0), u"0,00 %"_s);
        QCOMPARE(PedigreeTexts::percent(0.125), u"12,50 %"_s);
        QCOMPARE(PedigreeTexts::percent(1), u"100,00 %"_s);
        QCOMPARE(PedigreeTexts::generationsText({ 2, 3, 3 }), u"2, 3, 3"_s);
    }

    // From a real archive file: one scan, the linked cards read with their details.
    void treeFromTheArchiveFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(DogRecord::fileName);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const auto write = [&file](const QString &name, const QString &sire, const QString &dam, const QString &sex) {
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
        write(u"Senza sesso"_s, {}, {}, {});
        write({}, {}, {}, u"F"_s);
        file.close();

        const Tree tree = buildFromArchive(path, puppiesOf(u"Rex"_s, u"Lola"_s));
        QCOMPARE(tree.boxes[2].card->position, 1);
        QCOMPARE(tree.boxes[2].card->sex, u"M"_s);
        QCOMPARE(tree.boxes[3].card->firstTitle, u"CH. IT"_s);
        QCOMPARE(namesIn(tree, 4, 7), (QStringList { u"Argo"_s, u"Bea"_s, u"Argo"_s, u"Bea"_s }));
        QCOMPARE(coefficientsOf(tree).inbreeding, 0.25);

        // A test mating is chosen among the cards of either sex, by name.
        const Breeders breeders = breedersOf(path);
        QCOMPARE(breeders.males, (QStringList { u"Argo"_s, u"Rex"_s }));
        QCOMPARE(breeders.females, QStringList { u"Lola"_s });

        const Tree withoutArchive = buildFromArchive(folder.filePath(u"missing.pro"_s), puppiesOf(u"Rex"_s, {}));
        QCOMPARE(withoutArchive.boxes[2].link, Box::Link::Named);
        QVERIFY(breedersOf(folder.filePath(u"missing.pro"_s)).males.isEmpty());
        QVERIFY(!QFile::exists(folder.filePath(u"missing.pro"_s)));
    }
};

QTEST_GUILESS_MAIN(tst_Pedigree)
#include "tst_pedigree.moc"
