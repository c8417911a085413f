#include "search/ResultLines.h"

#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/ScheduleRecord.h"
#include "storage/ShortText.h"
#include "storage/Windows1252.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace ResultLines {

namespace {

constexpr int literal = Piece::literal;
constexpr int whole = Piece::wholeField;

constexpr Piece text(const char16_t *literalText)
{
    return { literal, 0, literalText };
}

} // namespace

QString build(RecordView record, std::initializer_list<Piece> pieces)
{
    QString line;
    line.reserve(200);
    for (const Piece &piece : pieces) {
        if (piece.field == literal) {
            line += QStringView(piece.text);
            continue;
        }
        // The code page has one byte per character, so the field is cut
        // before it is decoded, straight into the line.
        const QByteArrayView value = record.storedBytes(piece.field);
        if (piece.width == whole) {
            Windows1252::appendDecoded(line, value);
        } else {
            const qsizetype shown = std::min<qsizetype>(value.size(), piece.width);
            Windows1252::appendDecoded(line, value.first(shown));
            line.resize(line.size() + piece.width - shown, u' ');
        }
    }
    return line;
}

QString dogSearch(RecordView dog)
{
    using namespace DogRecord;
    return build(dog,
        { { Nome, 30 }, text(u"  Razza: "), { Razza, 28 }, text(u"  Chip: "), { Microchip, 20 },
            text(u"  Prop. "), { Proprietario, 30 }, text(u"  Tel. "), { Recapito, whole } });
}

QString ownerSearch(RecordView owner)
{
    using namespace OwnerRecord;
    return build(owner,
        { { Cliente, 26 }, text(u"  Tel. "), { Recapito, 15 }, text(u"  "), { Occupazione, 25 },
            text(u"  Cani: "), { CaniOra, 30 }, text(u"  "), { Note, whole } });
}

QString scheduleEntry(RecordView entry)
{
    using namespace ScheduleRecord;
    return build(entry,
        { { Dettagli, 30 }, text(u"  Data: "), { Data, 10 }, text(u"  Ora: "), { Ora, 5 }, text(u"  Prop. "),
            { Proprietario, 28 }, text(u"  Cane: "), { Nome, 28 }, text(u"  € "), { Costo, whole } });
}

QString ownerToRecontact(RecordView owner)
{
    using namespace OwnerRecord;
    return build(owner,
        { { Cliente, 26 }, text(u"  Tel. "), { Recapito, 15 }, text(u"  "), { Occupazione, 25 },
            text(u"  Cani: "), { CaniOra, 30 }, text(u"  "), { Questioni, whole } });
}

namespace {

// Where each UTF-16 unit stands in the order of the list: its code in the
// archives' code page, so that a typographic apostrophe or the euro sign
// sorts where it stands there, not where Unicode puts it; the letters a to z
// as their capitals. Units outside the code page rank as the '?' they would
// be stored as.
const std::array<quint8, 65536> &listRanks()
{
    static const std::array<quint8, 65536> ranks = [] {
        std::array<quint8, 65536> table {};
        for (int unit = 0; unit < 65536; ++unit) {
            const QChar c = QChar(char16_t(unit));
            table[size_t(unit)] = c.isSurrogate()
                ? quint8(Windows1252::substitute)
                : quint8(Windows1252::encode(capitalsAtoZ(QStringView(&c, 1))).at(0));
        }
        return table;
    }();
    return ranks;
}

} // namespace

void sortAsListed(Listing &listing)
{
    QStringList &lines = listing.lines;
    Q_ASSERT(listing.positions.size() == lines.size());
    const std::array<quint8, 65536> &ranks = listRanks();
    const auto rankedLess = [&ranks](const QString &a, const QString &b) {
        const qsizetype common = std::min(a.size(), b.size());
        const auto *x = a.utf16();
        const auto *y = b.utf16();
        for (qsizetype i = 0; i < common; ++i)
            if (ranks[x[i]] != ranks[y[i]])
                return ranks[x[i]] < ranks[y[i]];
        return a.size() < b.size();
    };

    // The first sixteen ranks of each line packed side by side in one array:
    // most comparisons end there, without reaching into the lines scattered
    // over the heap, whose cache misses would otherwise cost most of the sort.
    // The line's place and its record's position ride along, so that the
    // positions are written back in the new order without a walk in random
    // order through them; each fits 32 bits (a file of 2^32 records would
    // hold half a terabyte), which keeps an entry 24 bytes.
    struct Entry
    {
        quint64 head[2];
        quint32 line;
        quint32 position;
    };
    std::vector<Entry> entries(size_t(lines.size()));
    for (qsizetype index = 0; index < lines.size(); ++index) {
        Entry &entry = entries[size_t(index)];
        Q_ASSERT(index <= std::numeric_limits<quint32>::max()
                 && listing.positions[index] <= std::numeric_limits<quint32>::max());
        entry = { { 0, 0 }, quint32(index), quint32(listing.positions[index]) };
        const QString &line = lines[index];
        // A rank of 0 only stands for a NUL, which sorts like the end of a shorter line.
        for (qsizetype i = 0; i < std::min<qsizetype>(line.size(), 16); ++i)
            entry.head[i / 8] |= quint64(ranks[line.utf16()[i]]) << (8 * (7 - i % 8));
    }
    std::sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) {
        if (a.head[0] != b.head[0])
            return a.head[0] < b.head[0];
        if (a.head[1] != b.head[1])
            return a.head[1] < b.head[1];
        if (rankedLess(lines[a.line], lines[b.line]))
            return true;
        if (rankedLess(lines[b.line], lines[a.line]))
            return false;
        return a.line < b.line; // equal lines keep their order
    });

    QStringList sorted;
    sorted.reserve(lines.size());
    qint64 *position = listing.positions.data();
    for (const Entry &entry : entries) {
        sorted.append(std::move(lines[entry.line]));
        *position++ = entry.position;
    }
    lines = std::move(sorted);
}

QList<qint64> positionsAlike(const Listing &listing, qsizetype row)
{
    const QString picked = trimmedText(listing.lines[row]);
    QList<qint64> alike;
    for (qsizetype i = 0; i < listing.lines.size(); ++i)
        if (trimmedText(listing.lines[i]) == picked)
            alike.append(listing.positions[i]);
    std::sort(alike.begin(), alike.end());
    return alike;
}

} // namespace ResultLines
