#pragma once

#include "storage/RecordLayout.h"

#include <QByteArray>
#include <QString>

#include <map>

// Hand-made record files for card tests: records built field by field and
// fields read back from a file's bytes.

using FieldValues = std::map<int, QString>;

/// A record of layout holding values, every other field empty.
QByteArray recordBytes(const RecordLayout &layout, const FieldValues &values);

/// The bytes of the record at a 1-based position of a file.
QByteArray recordAt(const QByteArray &file, const RecordLayout &layout, int position);

/// One field of the record at a 1-based position, read back through the layout.
QString fieldAt(const QByteArray &file, const RecordLayout &layout, int position, int field);

/// A short text field as stored: its length byte, then the Windows-1252 text.
inline QByteArray shortText(const QByteArray &windows1252)
{
    return char(windows1252.size()) + windows1252;
}
