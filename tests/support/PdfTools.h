#pragma once

#include <QString>

// PDF files read back through poppler's command-line tools.

/// The text of the PDF file as "pdftotext -layout" places it, pages separated
/// by form feeds; fails the test when the tool fails.
QString pdfText(const QString &path);
/// The value of one entry of "pdfinfo" ("Pages", "Title", "Page size"…).
QString pdfInfo(const QString &path, const QString &entry);
