#pragma once

#include <QImage>
#include <QList>
#include <QString>

// The manual "Guida.pdf", the printed form of the help pages: a title page
// with the program's version, the contents with the page of each chapter,
// then one chapter per page of manualChapterPages(), each followed by the
// figures of manualFigures() that show its windows.
namespace Manual {

/// The manual as rich text. pictures holds one picture per figure, in
/// order, shown as the resource "figura:<n>" (n from 1) at scale document
/// units per pixel of the picture, none wider than width; chapterPages the
/// page each chapter starts on, or nothing when not yet known.
QString html(const QList<QImage> &pictures, const QList<int> &chapterPages, qreal scale, qreal width);

/// Writes the manual as an A4 PDF file, whole or not at all; false when it
/// could not be written.
bool write(const QString &path, const QList<QImage> &pictures);

} // namespace Manual
