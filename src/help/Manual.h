#pragma once

#include "help/HelpPages.h"

#include <QImage>
#include <QList>
#include <QString>

// The manual "Guida.pdf", the printed form of the help pages: a title page
// with the program's version, the contents with the page of each chapter,
// then one chapter per page of manualChapterPages(), each followed by the
// figures that show its windows. The figures are handed in whole, so that
// the manual knows no window: whoever takes the pictures says what they show.
namespace Manual {

/// Where a figure stands: in the text, at the scale every window shares, or
/// alone on a landscape page, as large as the page allows, for a window too
/// dense to read at the text's width.
enum class FigurePage { InText, Landscape };

/// One figure: the chapter it belongs to, its caption (without "Figura n."),
/// where it stands, and the picture; a null picture leaves the figure out.
struct Figure
{
    HelpPage chapter;
    QString caption;
    FigurePage page = FigurePage::InText;
    QImage picture;
};

/// The manual as rich text. The picture of the n-th figure (n from 1) is the
/// resource "figura:<n>", shown at scale document units per pixel of the
/// picture, none wider than width; chapterPages the page each chapter starts
/// on, or nothing when not yet known.
QString html(const QList<Figure> &figures, const QList<int> &chapterPages, qreal scale, qreal width);

/// Writes the manual as an A4 PDF file, whole or not at all; false when it
/// could not be written.
bool write(const QString &path, const QList<Figure> &figures);

} // namespace Manual
