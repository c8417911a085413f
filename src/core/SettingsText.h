#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The text of a settings file of sections and keys: "[Section]" lines, each
// followed by "key=value" lines. Names are compared without regard to the case
// of A to Z and to surrounding blanks; the first matching section and, in it,
// the first matching key count. Lines starting with ';' are comments. The
// text is handled as bytes, so content in any encoding survives a rewrite.
namespace SettingsText {

/// The value of key in section, trimmed, with one pair of surrounding quotes
/// removed; empty when the section or the key is missing.
QByteArray value(QByteArrayView text, QByteArrayView section, QByteArrayView key);

/// The text with key in section set to value, every other byte unchanged: the
/// key's line is rewritten in place, or a line is added at the end of the
/// section, or the section is added at the end of the text. New lines end as
/// the text's own lines do ("\r\n" for a text that has none).
QByteArray withValue(QByteArrayView text, QByteArrayView section, QByteArrayView key, QByteArrayView value);

} // namespace SettingsText
