#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252 conversions with the program's own table, so that records and
// exports do not depend on the locale or on ICU.
namespace Windows1252 {

/// Byte written for a character the code page cannot represent.
inline constexpr char substitute = '?';

QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);

} // namespace Windows1252
