#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include <optional>

// Windows-1252 conversions with the program's own table, so that records and
// exports do not depend on the locale or on ICU.
namespace Windows1252 {

/// Byte written for a character the code page cannot represent.
inline constexpr char substitute = '?';

QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);

/// The byte of one character, or nothing when the code page cannot hold it.
std::optional<char> byteFor(char32_t character);

/// Appends text in the code page to out. escape(out, character) is asked
/// first about every character below 0x80 and every character the code page
/// cannot hold (a whole code point, a pair of surrogates being one character):
/// it returns true when it has written the character its own way. A character
/// it declines is written as its byte, or as the substitute. Documents use it
/// to write their own escapes without building the text twice.
template<typename Escape> void appendEncoded(QByteArray &out, QStringView text, Escape &&escape)
{
    const char16_t *in = text.utf16();
    const char16_t *const end = in + text.size();
    while (in != end) {
        const char16_t unit = *in++;
        if (unit < 0x80) {
            if (!escape(out, char32_t(unit)))
                out.append(char(unit));
            continue;
        }
        char32_t character = unit;
        if (QChar::isHighSurrogate(unit) && in != end && QChar::isLowSurrogate(*in))
            character = QChar::surrogateToUcs4(unit, *in++);
        else if (const std::optional<char> byte = byteFor(character)) {
            out.append(*byte);
            continue;
        }
        if (!escape(out, character))
            out.append(substitute);
    }
}

} // namespace Windows1252
