#include "report/ReportTemplate.h"

#include "ui/Fonts.h"

#include <QFontMetricsF>
#include <QTextLayout>

namespace Report {

namespace {

// Text is measured at a printer's resolution, whatever the screen, so that
// a report lays out the same on every device it is drawn on.
constexpr int referenceDpi = 1200;

const QImage &referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMetre = qRound(referenceDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

constexpr qreal mmPerPoint = 25.4 / 72.0;

} // namespace

QFont TextStyle::font() const
{
    QFont result = fixedPitch ? Fonts::fixedPitch(family, qRound(pointSize), bold) : QFont(family);
    result.setPointSizeF(pointSize);
    result.setBold(bold);
    // Glyph positions must not snap to the pixels of whatever device draws.
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}

qreal TextStyle::lineHeight() const
{
    // The templates were drawn for lines 1.2 times the font size apart (an
    // 8-point list line is 12.822 units high); a font that needs more room gets it.
    const QFontMetricsF metrics(font(), &referenceDevice());
    return std::max(metrics.lineSpacing() * 25.4 / referenceDpi, 1.2 * pointSize * mmPerPoint);
}

QStringList TextStyle::lines(const QString &text, qreal widthMm) const
{
    QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (QString &paragraph : paragraphs)
        if (paragraph.endsWith(QLatin1Char('\r')))
            paragraph.chop(1);
    if (!wordWrap)
        return paragraphs;

    QStringList wrapped;
    const qreal width = widthMm * referenceDpi / 25.4;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString &paragraph : std::as_const(paragraphs)) {
        if (paragraph.isEmpty()) {
            wrapped.append(QString());
            continue;
        }
        QTextLayout layout(paragraph, font(), &referenceDevice());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            wrapped.append(paragraph.mid(line.textStart(), line.textLength()).trimmed());
        }
        layout.endLayout();
    }
    return wrapped;
}

ReportTemplate::ReportTemplate(QSizeF paper, Orientation orientation, QMarginsF margins)
    : m_paper(paper)
    , m_orientation(orientation)
    , m_margins(margins)
{
}

Band &ReportTemplate::addBand(const QString &name, qreal heightMm, bool canSplit)
{
    return m_bands.emplace_back(Band { name, heightMm, canSplit, {} });
}

Band *ReportTemplate::findBand(const QString &name)
{
    for (Band &band : m_bands)
        if (band.name == name)
            return &band;
    return nullptr;
}

QSizeF ReportTemplate::pageSize() const
{
    return m_orientation == Orientation::Portrait ? m_paper : m_paper.transposed();
}

} // namespace Report
