#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include <algorithm>
#include <array>
#include <optional>

// Windows-1252 conversions with the program's own table, so that records and
// exports do not depend on the locale or on ICU.
namespace Windows1252 {

/// Byte written for a character the code page cannot represent.
inline constexpr char substitute = '?';

QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);
/// Appends the decoded bytes to text.
void appendDecoded(QString &text, QByteArrayView bytes);

/// The text's bytes, or nothing when the code page cannot hold one of its
/// characters. Decoding is one character per byte and no two bytes give the
/// same character, so the bytes of a stored text hold these bytes exactly
/// when the text holds the text: a scan can compare without decoding.
std::optional<QByteArray> encodeExactly(QStringView text);

/// The byte of one character, or nothing when the code page cannot hold it.
std::optional<char> byteFor(char32_t character);

// Room for the bytes an escape makes up (a numeric reference, a Unicode escape).
using EscapeRoom = std::array<char, 32>;

/// Appends text in the code page to out. escape(character, room) is asked
/// about every character below 0x80 and every character the code page cannot
/// hold (a whole code point, a pair of surrogates being one character): it
/// returns the bytes that stand for the character in the document, made up in
/// room when they are not fixed, or an empty view when the character needs no
/// escape: it is then written as its byte, or as the substitute. Documents use
/// it to write their own escapes without building the text twice. A function
/// object (a lambda) is called inline for every character; a plain function
/// would cost an indirect call each.
template<typename Escape> void appendEncoded(QByteArray &out, QStringView text, Escape &&escape)
{
    // Nearly every character is one byte: they are written through a pointer
    // into room made beforehand, grown only for an escape.
    const char16_t *in = text.utf16();
    const char16_t *const end = in + text.size();
    qsizetype used = out.size();
    out.resize(used + text.size());
    char *next = out.data() + used;
    EscapeRoom room;
    const auto put = [&](QByteArrayView bytes) {
        used = next - out.constData();
        out.resize(out.size() + bytes.size());
        next = std::copy(bytes.begin(), bytes.end(), out.data() + used);
    };
    while (in != end) {
        const char16_t unit = *in++;
        if (unit < 0x80) {
            if (const QByteArrayView bytes = escape(char32_t(unit), room); !bytes.isEmpty())
                put(bytes);
            else
                *next++ = char(unit);
            continue;
        }
        char32_t character = unit;
        if (QChar::isHighSurrogate(unit) && in != end && QChar::isLowSurrogate(*in)) {
            character = QChar::surrogateToUcs4(unit, *in++);
        } else if (const std::optional<char> byte = byteFor(character)) {
            *next++ = *byte;
            continue;
        }
        if (const QByteArrayView bytes = escape(character, room); !bytes.isEmpty())
            put(bytes);
        else
            *next++ = substitute;
    }
    out.resize(next - out.constData());
}

} // namespace Windows1252
