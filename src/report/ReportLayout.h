#pragma once

#include "report/ReportTemplate.h"

#include <QDate>
#include <QLineF>

namespace Report {

// A prepared report: every page as a list of elements to draw, placed in
// millimetres from the top-left corner of the sheet.

/// One line of text, drawn with its style's alignment inside rect and cut at
/// rect's edges.
struct TextElement
{
    QRectF rect;
    QString text;
    int style = 0; // index into PreparedReport::styles
};

struct FillElement
{
    QRectF rect;
    QColor fill; // invalid: outline only
    bool outline = false;
};

struct LineElement
{
    QLineF line;
};

struct PictureElement
{
    QRectF rect; // the area; the picture is fitted and centred in it
    QImage image;
};

using Element = std::variant<TextElement, FillElement, LineElement, PictureElement>;

struct Page
{
    std::vector<Element> elements;
};

struct PreparedReport
{
    QSizeF pageSize;
    Orientation orientation = Orientation::Portrait;
    QMarginsF margins;
    std::vector<TextStyle> styles;
    std::vector<Page> pages;
};

/// Lays the template out from scratch. today fills the date field of the
/// objects that expand it.
PreparedReport prepare(const ReportTemplate &report, QDate today);

} // namespace Report
