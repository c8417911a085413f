#include "dogs/pedigree/PedigreeReport.h"

#include "kennel/PedigreeTexts.h"
#include "ui/Theme.h"

#include <algorithm>

namespace {

constexpr qreal margin = 10;
constexpr qreal chartHeight = 145;
constexpr qreal columnGap = 3;
constexpr qreal boxGap = 1;

QColor fillOf(PedigreeTexts::Sex sex)
{
    switch (sex) {
    case PedigreeTexts::Sex::Male:
        return Theme::colour(Theme::Colour::MaleFill);
    case PedigreeTexts::Sex::Female:
        return Theme::colour(Theme::Colour::FemaleFill);
    case PedigreeTexts::Sex::Unknown:
        break;
    }
    return {};
}

// Text shrinks as the generations grow and their boxes narrow.
qreal pointSizeOf(int generation)
{
    return generation < 3 ? 8 : generation == 3 ? 7 : 6;
}

// Breaks a line as the page lays out a box's text: the engine keeps text
// half a millimetre from either side of its object.
PedigreeTexts::LineBreaker breakerFor(Report::TextStyle style, qreal objectWidth)
{
    style.wordWrap = true;
    return [style, objectWidth](const QString &line) { return style.lines(line, objectWidth - 1); };
}

QString repeatedText(const QList<Pedigree::RepeatedAncestor> &repeated)
{
    if (repeated.isEmpty())
        return QStringLiteral("Nessun antenato ripetuto.");
    QStringList parts;
    for (const Pedigree::RepeatedAncestor &ancestor : repeated)
        parts.append(QStringLiteral("%1 (%2 volte, generazioni %3; %4)")
                         .arg(ancestor.name)
                         .arg(ancestor.times)
                         .arg(PedigreeTexts::generationsText(ancestor.generations),
                             PedigreeTexts::percent(ancestor.share)));
    return QStringLiteral("Antenati ripetuti: ") + parts.join(QStringLiteral("; ")) + u'.';
}

} // namespace

Report::ReportTemplate pedigreeReport(
    const QString &title, const Pedigree::Tree &tree, const Pedigree::Coefficients &coefficients)
{
    using namespace Report;
    ReportTemplate report(a4Paper, Orientation::Landscape, QMarginsF(margin, margin, margin, margin));
    const qreal width = report.pageSize().width() - 2 * margin;

    Band &head = report.addBand(QStringLiteral("Titolo"), 12);
    TextStyle titleStyle;
    titleStyle.pointSize = 14;
    titleStyle.bold = true;
    head.add(TextObject { QStringLiteral("txtTitolo"), QRectF(0, 0, width, 10), title, titleStyle });

    Band &chart = report.addBand(QStringLiteral("Albero"), chartHeight + 4);
    // The last column's outline stays inside the printable area, which clips.
    const qreal chartWidth = width - 0.5;
    const qreal columnWidth = (chartWidth - Pedigree::generations * columnGap) / (Pedigree::generations + 1);
    const qreal rowHeight = chartHeight / (1 << Pedigree::generations);
    for (int number = 1; number < Pedigree::boxCount; ++number) {
        const Pedigree::Box &box = tree.boxes[size_t(number)];
        const int generation = Pedigree::generationOf(number);
        const int rowsEach = (1 << Pedigree::generations) >> generation;
        const int place = number - (1 << generation);
        const QRectF rect(generation * (columnWidth + columnGap), place * rowsEach * rowHeight, columnWidth,
            rowsEach * rowHeight - boxGap);
        chart.add(RectangleObject { rect, fillOf(PedigreeTexts::sexOf(box, number)) });
        TextStyle style;
        style.pointSize = pointSizeOf(generation);
        style.alignment = Qt::AlignLeft | Qt::AlignVCenter;
        const QRectF textRect = rect.adjusted(1, 0.5, -1, -0.5);
        QStringList lines = PedigreeTexts::boxLines(box, number);
        if (!box.disagreeingField.isEmpty())
            lines.first().prepend(QStringLiteral("\u26A0 "));
        // The small boxes of the last generations keep the lines that fit.
        const int fitting = std::max(1, int(textRect.height() / style.lineHeight()));
        const auto breakLine = breakerFor(style, textRect.width());
        const PedigreeTexts::FittedLines fitted
            = PedigreeTexts::fittedLines(lines, fitting, breakLine, breakLine);
        chart.add(TextObject { QStringLiteral("box%1").arg(number), textRect,
            (fitted.name + fitted.details).join(u'\n'), style });
    }

    TextStyle figureStyle;
    figureStyle.pointSize = 9;
    figureStyle.wordWrap = true;
    QStringList lines { PedigreeTexts::inbreedingLine(coefficients.inbreeding),
        PedigreeTexts::distinctAncestorsLine(coefficients.distinctAncestors),
        PedigreeTexts::completenessLine(coefficients.knownAncestors), repeatedText(coefficients.repeated) };
    lines += tree.warnings;
    const QString figureText = lines.join(u'\n');
    // As tall as its lines, so that the page ends with them; only warnings
    // too many for the page go on to a second one.
    const qreal figuresHeight = figureStyle.lines(figureText, width - 1).size() * figureStyle.lineHeight();
    Band &figures = report.addBand(QStringLiteral("Coefficienti"), figuresHeight, true);
    figures.add(TextObject {
        QStringLiteral("txtCoefficienti"), QRectF(0, 0, width, figuresHeight), figureText, figureStyle });
    return report;
}
