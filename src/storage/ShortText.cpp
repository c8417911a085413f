#include "storage/ShortText.h"

#include "storage/Windows1252.h"

#include <algorithm>
#include <cstring>

namespace {

// The length byte limits any field to 255 bytes of text.
constexpr int maxCapacity = 255;

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 32;
}

// Bytes 0 to 32 are the only ones that decode to codes 0 to 32, so a field
// can be trimmed before it is decoded.
bool isBlankOrControl(char byte)
{
    return static_cast<unsigned char>(byte) <= 32;
}

template<typename View> View trimmedEnds(View text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlankOrControl(text[first]))
        ++first;
    while (last > first && isBlankOrControl(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

// The 26 letters from `from` onwards moved to the 26 from `to`; nothing else changes.
QString withCaseChanged(QStringView text, char16_t from, char16_t to)
{
    QString changed = text.toString();
    for (QChar &c : changed)
        if (c.unicode() >= from && c.unicode() < from + 26)
            c = QChar(char16_t(c.unicode() - from + to));
    return changed;
}

} // namespace

QString trimmedText(QStringView text)
{
    return trimmedEnds(text).toString();
}

QStringView trimmedView(QStringView text)
{
    return trimmedEnds(text);
}

QString capitalsAtoZ(QStringView text)
{
    return withCaseChanged(text, u'a', u'A');
}

QString smallLettersAtoZ(QStringView text)
{
    return withCaseChanged(text, u'A', u'a');
}

QString trimmedCapitals(QStringView text)
{
    return capitalsAtoZ(trimmedEnds(text));
}

void toShortText(QStringView text, int capacity, char *field)
{
    Q_ASSERT(capacity >= 1 && capacity <= maxCapacity);
    const QByteArray bytes = Windows1252::encode(trimmedEnds(text));
    const int length = int(std::min<qsizetype>(bytes.size(), std::min(capacity, maxCapacity)));
    field[0] = char(length);
    std::memcpy(field + 1, bytes.constData(), size_t(length));
    // Zeros rather than the buffer's earlier contents: readers ignore these
    // bytes, and no remains of another record end up in the file.
    std::memset(field + 1 + length, 0, size_t(capacity - length));
}

QByteArrayView shortTextBytes(const char *field, int capacity)
{
    const int length = std::min<int>(static_cast<unsigned char>(field[0]), capacity);
    return trimmedEnds(QByteArrayView(field + 1, length));
}

QString fromShortText(const char *field, int capacity)
{
    return Windows1252::decode(shortTextBytes(field, capacity));
}
