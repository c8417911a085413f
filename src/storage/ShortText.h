#pragma once

#include <QByteArrayView>
#include <QString>

// A short text field of capacity N is N + 1 bytes: a length byte, then the text
// in Windows-1252.

/// Trims blanks and control characters (codes 0 to 32) at both ends.
QString trimmedText(QStringView text);
/// The same, as a view into text, for writers that need no copy.
QStringView trimmedView(QStringView text);

// Case changes touch only the letters a to z; accented letters never change case.

/// The text with the letters a to z in capitals.
QString capitalsAtoZ(QStringView text);
/// The text with the letters A to Z in small letters.
QString smallLettersAtoZ(QStringView text);
/// Trimmed at both ends, letters a to z in capitals: how upper-case boxes keep their text.
QString trimmedCapitals(QStringView text);

/// Writes text into the N + 1 bytes at field: trimmed, encoded, cut to N bytes.
/// The bytes after the text are set to zero.
void toShortText(QStringView text, int capacity, char *field);

/// The field's text bytes (Windows-1252), trimmed, as fromShortText reads them.
QByteArrayView shortTextBytes(const char *field, int capacity);

/// Reads the field back as trimmed text. A length byte larger than the
/// capacity (a damaged or foreign file) is read as the capacity.
QString fromShortText(const char *field, int capacity);
