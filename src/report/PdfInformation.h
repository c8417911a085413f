#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace Report {

/// The entries of a PDF file's document information, as document viewers and
/// file managers list them.
struct DocumentInformation
{
    QString subject;
    QString author;
};

/// The PDF file with its document information completed by these entries,
/// through an incremental update appended to it (a new information object,
/// an xref section and a trailer pointing back to the old one), so that not
/// a byte of what was written before moves. Nothing when the file's end is
/// not the classic trailer a PDF writer leaves.
std::optional<QByteArray> withDocumentInformation(const QByteArray &pdf, const DocumentInformation &information);

} // namespace Report
