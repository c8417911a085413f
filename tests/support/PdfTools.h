#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

// PDF files read back through poppler's command-line tools.

/// The text of the PDF file as "pdftotext -layout" places it, pages separated
/// by form feeds; fails the test when the tool fails.
QString pdfText(const QString &path);
/// The value of one entry of "pdfinfo" ("Pages", "Title", "Page size"…).
QString pdfInfo(const QString &path, const QString &entry);
/// The size in points of one page (from 1), as "pdfinfo" gives it; empty when
/// the file has no such page.
QSizeF pdfPageSize(const QString &path, int page);

/// One word of a PDF file as "pdftotext -bbox" finds it: its page (0-based)
/// and its box in points from the page's top-left corner.
struct PdfWord
{
    int page;
    QString text;
    QRectF box;
};
QList<PdfWord> pdfWords(const QString &path);
