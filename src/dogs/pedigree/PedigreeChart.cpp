#include "dogs/pedigree/PedigreeChart.h"

#include "kennel/PedigreeTexts.h"
#include "ui/Theme.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMouseEvent>
#include <QTextLayout>

#include <algorithm>

namespace {

// Rows of the grid: one per box of the last generation.
constexpr int rowCount = 1 << Pedigree::generations;

QString styleFor(PedigreeTexts::Sex sex, bool known, bool disagrees)
{
    using PedigreeTexts::Sex;
    using Theme::Colour;
    const QString border = Theme::css(disagrees ? Colour::DisagreeingBorder
            : sex == Sex::Male                   ? Colour::MaleBorder
            : sex == Sex::Female                 ? Colour::FemaleBorder
                                                 : Colour::UnknownSexBorder);
    const QString line = sex == Sex::Female ? QStringLiteral("dashed") : QStringLiteral("solid");
    const QString fill = !known ? Theme::css(Colour::UnknownFill)
        : sex == Sex::Male      ? Theme::css(Colour::MaleFill)
        : sex == Sex::Female    ? Theme::css(Colour::FemaleFill)
                                : QStringLiteral("white");
    const QString radius = sex == Sex::Female ? QStringLiteral("8px") : QStringLiteral("0px");
    return QStringLiteral(
        "AncestorBox { border: 2px %1 %2; border-radius: %3; background: %4; padding: 2px 4px; color: %5; }")
        .arg(line, border, radius, fill, Theme::css(known ? Colour::AncestorText : Colour::UnknownAncestorText));
}

// Breaks a line as the box's label lays it out in font, width pixels wide.
PedigreeTexts::LineBreaker breakerFor(const QFont &font, int width)
{
    return [font, width](const QString &line) {
        QTextLayout layout(line, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QStringList lines;
        layout.beginLayout();
        for (QTextLine broken = layout.createLine(); broken.isValid(); broken = layout.createLine()) {
            broken.setLineWidth(width);
            lines.append(line.mid(broken.textStart(), broken.textLength()).trimmed());
        }
        layout.endLayout();
        return lines;
    };
}

QString htmlLines(const QStringList &lines)
{
    QStringList escaped;
    for (const QString &line : lines)
        escaped.append(line.toHtmlEscaped());
    return escaped.join(QStringLiteral("<br>"));
}

} // namespace

AncestorBox::AncestorBox(int number, QWidget *parent)
    : QLabel(parent)
    , m_number(number)
{
    setObjectName(QStringLiteral("box%1").arg(number));
    setTextFormat(Qt::RichText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The lines are broken to the contents' width: no indent may narrow it.
    setIndent(0);
    setMinimumSize(60, 20);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void AncestorBox::showBox(const Pedigree::Box &box)
{
    m_lines = PedigreeTexts::boxLines(box, m_number);
    const bool disagrees = !box.disagreeingField.isEmpty();
    if (disagrees)
        m_lines.first().prepend(QStringLiteral("\u26A0 "));
    QStringList tip = m_lines;
    if (disagrees)
        tip.append(PedigreeTexts::disagreementHint(box));
    setToolTip(tip.join(u'\n'));
    setStyleSheet(styleFor(PedigreeTexts::sexOf(box, m_number), !box.name.isEmpty(), disagrees));
    m_linked = box.link == Pedigree::Box::Link::Linked && m_number > 1;
    setCursor(m_linked ? Qt::PointingHandCursor : Qt::ArrowCursor);
    fitLines();
}

void AncestorBox::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fitLines();
}

void AncestorBox::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitLines();
}

void AncestorBox::fitLines()
{
    if (m_lines.isEmpty())
        return;
    const QRect room = contentsRect();
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics plainMetrics(font());
    const QFontMetrics boldMetrics(bold);
    const int fitting = std::max(1, (room.height() - boldMetrics.height()) / plainMetrics.lineSpacing() + 1);
    const PedigreeTexts::FittedLines fitted = PedigreeTexts::fittedLines(
        m_lines, fitting, breakerFor(bold, room.width()), breakerFor(font(), room.width()));
    QString html = QStringLiteral("<b>") + htmlLines(fitted.name) + QStringLiteral("</b>");
    if (!fitted.details.isEmpty())
        html += QStringLiteral("<br>") + htmlLines(fitted.details);
    setText(html);
}

void AncestorBox::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (m_linked && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked(m_number);
}

PedigreeChart::PedigreeChart(QWidget *parent)
    : QWidget(parent)
    , m_basePointSize(font().pointSizeF())
{
    setObjectName(QStringLiteral("grafPedigree"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    for (int number = 1; number < Pedigree::boxCount; ++number) {
        const int generation = Pedigree::generationOf(number);
        const int rowsEach = rowCount >> generation;
        const int place = number - (1 << generation);
        auto *box = new AncestorBox(number, this);
        grid->addWidget(box, place * rowsEach, generation, rowsEach, 1);
        connect(box, &AncestorBox::clicked, this, [this](int clicked) {
            const Pedigree::Box &chosen = m_tree.boxes[size_t(clicked)];
            if (chosen.card)
                Q_EMIT cardChosen(chosen.card->position);
        });
        m_boxes[size_t(number)] = box;
    }
    for (int row = 0; row < rowCount; ++row)
        grid->setRowStretch(row, 1);
    for (int generation = 0; generation <= Pedigree::generations; ++generation)
        grid->setColumnStretch(generation, 1);
}

void PedigreeChart::showTree(const Pedigree::Tree &tree)
{
    m_tree = tree;
    for (int number = 1; number < Pedigree::boxCount; ++number)
        m_boxes[size_t(number)]->showBox(tree.boxes[size_t(number)]);
}

void PedigreeChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Readable at 1366 × 768, where the chart is about 600 pixels tall.
    constexpr qreal smallestChartHeight = 600;
    QFont scaled = font();
    scaled.setPointSizeF(m_basePointSize * std::clamp(height() / smallestChartHeight, 1.0, 1.4));
    // Set on each box: a box's style sheet keeps it from inheriting the font.
    for (AncestorBox *box : m_boxes)
        if (box)
            box->setFont(scaled);
}
