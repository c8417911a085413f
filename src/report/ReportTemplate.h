#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <deque>
#include <variant>
#include <vector>

// The report engine: templates described in millimetres, filled by object
// name, laid out into pages (ReportLayout.h) and drawn onto printers, the
// preview and PDF files (ReportPainter.h). It needs painting classes but no
// widget.
namespace Report {

/// The engine's own unit, 1/96 inch, in which heights are set at print time.
inline constexpr double unitsPerMm = 96.0 / 25.4;

/// The A4 sheet, in millimetres, upright.
inline constexpr QSizeF a4Paper(210, 297);

enum class Orientation { Portrait, Landscape };

struct TextStyle
{
    QString family = QStringLiteral("Arial");
    qreal pointSize = 8;
    bool bold = false;
    /// Keeps columns aligned even when the family is missing.
    bool fixedPitch = false;
    QColor colour = Qt::black;
    QColor fill {}; // invalid: no fill
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;

    QFont font() const;
    /// Distance between two lines of this style, in millimetres.
    qreal lineHeight() const;
    /// The lines of text as printed in an area widthMm wide: one per line
    /// break, and with word wrap as many more as the width needs.
    QStringList lines(const QString &text, qreal widthMm) const;
};

/// Text printed exactly as set: nothing in it is interpreted, except "[DATE]"
/// in an object that expands the date field.
struct TextObject
{
    QString name {};
    QRectF rect {};
    QString text {};
    TextStyle style {};
    bool expandsDate = false;
};

/// A picture scaled to fit its area, keeping its proportions, and centred in it.
struct PictureObject
{
    QString name;
    QRectF rect;
    QImage image;
};

/// A rectangle with a thin outline and an optional fill.
struct RectangleObject
{
    QRectF rect;
    QColor fill; // invalid: no fill
};

/// A thin horizontal line.
struct LineObject
{
    QPointF from;
    qreal width = 0;
};

using Object = std::variant<TextObject, PictureObject, RectangleObject, LineObject>;

/// A strip of the page holding objects placed relative to its top-left
/// corner. Bands print once each, one below the other; a band that may split
/// continues on the following pages, any other starts a new page when it does
/// not fit in what is left of the current one.
struct Band
{
    QString name;
    qreal height = 0;
    bool canSplit = false;
    std::vector<Object> objects;

    /// Adds an object on top of the earlier ones; the reference holds until
    /// the next object is added.
    template<typename T> T &add(T object)
    {
        return std::get<T>(objects.emplace_back(std::move(object)));
    }
};

class ReportTemplate
{
public:
    /// paper is the portrait size of the sheet; margins frame the printable area.
    ReportTemplate(QSizeF paper, Orientation orientation, QMarginsF margins);

    /// A new band at the bottom of the template; earlier bands stay where they are in memory.
    Band &addBand(const QString &name, qreal heightMm, bool canSplit = false);

    /// The text or picture object of that name; null when there is none.
    template<typename T> T *find(const QString &name)
    {
        for (Band &band : m_bands)
            for (Object &object : band.objects)
                if (T *found = std::get_if<T>(&object); found && found->name == name)
                    return found;
        return nullptr;
    }
    Band *findBand(const QString &name);

    static void setText(TextObject &object, const QString &text) { object.text = text; }
    static void setPicture(PictureObject &object, const QImage &image) { object.image = image; }
    static void setHeight(TextObject &object, qreal units) { object.rect.setHeight(units / unitsPerMm); }
    static void setHeight(Band &band, qreal units) { band.height = units / unitsPerMm; }
    void setOrientation(Orientation orientation) { m_orientation = orientation; }

    Orientation orientation() const { return m_orientation; }
    /// The sheet as it is printed, turned for landscape.
    QSizeF pageSize() const;
    QMarginsF margins() const { return m_margins; }
    const std::deque<Band> &bands() const { return m_bands; }

private:
    QSizeF m_paper;
    Orientation m_orientation;
    QMarginsF m_margins;
    std::deque<Band> m_bands;
};

} // namespace Report
