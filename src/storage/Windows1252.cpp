#include "storage/Windows1252.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Bytes 80 to 9F are where the code page departs from Latin-1. The five bytes
// it leaves undefined (81, 8D, 8F, 90, 9D) map to the control characters of
// the same value, as Windows itself does, so that every byte survives a
// decode and re-encode unchanged.
constexpr std::array<char16_t, 32> upperControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

constexpr std::array<char16_t, 256> decodeTable = [] {
    std::array<char16_t, 256> table {};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = char16_t(byte);
    for (int i = 0; i < 32; ++i)
        table[0x80 + i] = upperControlRange[i];
    return table;
}();

void decodeInto(char16_t *out, QByteArrayView bytes)
{
    const char *in = bytes.data();
    const char *const end = in + bytes.size();
    // Runs of eight ASCII bytes, the bulk of any text, widen without the
    // table, which the compiler turns into a few vector instructions.
    constexpr quint64 highBits = 0x8080808080808080ULL;
    while (end - in >= 8) {
        quint64 eight;
        std::memcpy(&eight, in, sizeof eight);
        if (eight & highBits) {
            for (int i = 0; i < 8; ++i)
                out[i] = decodeTable[static_cast<unsigned char>(in[i])];
        } else {
            for (int i = 0; i < 8; ++i)
                out[i] = char16_t(static_cast<unsigned char>(in[i]));
        }
        in += 8;
        out += 8;
    }
    while (in != end)
        *out++ = decodeTable[static_cast<unsigned char>(*in++)];
}

} // namespace

namespace Windows1252 {

std::optional<char> byteFor(char32_t character)
{
    if ((character < 0x80 || character >= 0xA0) && character <= 0xFF)
        return char(character);
    const auto found = std::find(upperControlRange.begin(), upperControlRange.end(), character);
    if (found == upperControlRange.end())
        return std::nullopt;
    return char(0x80 + (found - upperControlRange.begin()));
}

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    // A character beyond the basic plane is never in the code page; it is one
    // character and gets one substitute.
    appendEncoded(bytes, text, [](char32_t, EscapeRoom &) { return QByteArrayView(); });
    return bytes;
}

std::optional<QByteArray> encodeExactly(QStringView text)
{
    bool whole = true;
    QByteArray bytes;
    appendEncoded(bytes, text, [&whole](char32_t character, EscapeRoom &) {
        whole = whole && character < 0x80;
        return QByteArrayView();
    });
    if (!whole)
        return std::nullopt;
    return bytes;
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    decodeInto(reinterpret_cast<char16_t *>(text.data()), bytes);
    return text;
}

void appendDecoded(QString &text, QByteArrayView bytes)
{
    const qsizetype start = text.size();
    text.resize(start + bytes.size());
    decodeInto(reinterpret_cast<char16_t *>(text.data()) + start, bytes);
}

} // namespace Windows1252
