#pragma once

#include "storage/DogRecord.h"

#include <QByteArray>
#include <QString>

#include <span>

// The dog card as a word-processor document in the Rich Text Format: a
// centred title, then the 54 text fields of the card, one labelled paragraph
// each, in Windows-1252.
namespace DogCardRtf {

inline const QString fileName = QStringLiteral("Scheda_Cane.rtf");

// One paragraph of the document: its label and the dog card field that supplies its value.
struct Field
{
    QStringView label;
    DogRecord::Field field;
};

/// The 54 paragraphs in document order.
std::span<const Field> fields();

/// The document with these values, one per field in document order, each
/// trimmed. Backslashes and braces are escaped; a character the code page
/// cannot hold is written as a Unicode escape (\uN?) so that nothing is lost.
QByteArray document(std::span<const QString> values);

} // namespace DogCardRtf
