#include "search/ResultLines.h"

#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/ScheduleRecord.h"
#include "storage/ShortText.h"
#include "storage/Windows1252.h"

#include <algorithm>
#include <numeric>
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

QString build(const Record &record, std::initializer_list<Piece> pieces)
{
    QString line;
    line.reserve(160);
    for (const Piece &piece : pieces) {
        if (piece.field == literal) {
            line += QStringView(piece.text);
            continue;
        }
        // Records are read back trimmed already.
        const QString value = record.value(piece.field);
        if (piece.width == whole) {
            line += value;
        } else {
            line += QStringView(value).left(piece.width);
            line += QString(piece.width - std::min<qsizetype>(value.size(), piece.width), u' ');
        }
    }
    return line;
}

QString dogSearch(const Record &dog)
{
    using namespace DogRecord;
    return build(dog,
        { { Nome, 30 }, text(u"  Razza: "), { Razza, 28 }, text(u"  Chip: "), { Microchip, 20 },
            text(u"  Prop. "), { Proprietario, 30 }, text(u"  Tel. "), { Recapito, whole } });
}

QString ownerSearch(const Record &owner)
{
    using namespace OwnerRecord;
    return build(owner,
        { { Cliente, 26 }, text(u"  Tel. "), { Recapito, 15 }, text(u"  "), { Occupazione, 25 },
            text(u"  Cani: "), { CaniOra, 30 }, text(u"  "), { Note, whole } });
}

QString scheduleEntry(const Record &entry)
{
    using namespace ScheduleRecord;
    return build(entry,
        { { Dettagli, 30 }, text(u"  Data: "), { Data, 10 }, text(u"  Ora: "), { Ora, 5 }, text(u"  Prop. "),
            { Proprietario, 28 }, text(u"  Cane: "), { Nome, 28 }, text(u"  € "), { Costo, whole } });
}

QString ownerToRecontact(const Record &owner)
{
    using namespace OwnerRecord;
    return build(owner,
        { { Cliente, 26 }, text(u"  Tel. "), { Recapito, 15 }, text(u"  "), { Occupazione, 25 },
            text(u"  Cani: "), { CaniOra, 30 }, text(u"  "), { Questioni, whole } });
}

void sortAsListed(QStringList &lines)
{
    // The character codes are those of the archives' code page, so that a
    // typographic apostrophe or the euro sign sorts where it stands there, not
    // where Unicode puts it. Each key is built once: changing case on the fly
    // would do it some twenty times per line on a large archive.
    std::vector<QByteArray> keys;
    keys.reserve(size_t(lines.size()));
    for (const QString &line : std::as_const(lines))
        keys.push_back(Windows1252::encode(capitalsAtoZ(line)));
    std::vector<qsizetype> order(size_t(lines.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        // Unsigned byte order, whatever the locale.
        return keys[size_t(a)] < keys[size_t(b)];
    });
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const qsizetype index : order)
        sorted.append(std::move(lines[index]));
    lines = std::move(sorted);
}

} // namespace ResultLines
