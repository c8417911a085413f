#include "report/ReportLayout.h"

#include "core/DateText.h"

#include <algorithm>
#include <limits>

namespace Report {

namespace {

constexpr qreal tolerance = 0.001; // mm: rounding never pushes a line to the next page
constexpr qreal unbounded = std::numeric_limits<qreal>::max();
// Text keeps this far from the left and right edges of its object, so that a
// label on a coloured fill does not touch the fill's edge.
constexpr qreal textPadding = 0.5;

// One element of a band before pagination, in band coordinates. Lines of
// text, pictures and rules are never cut across pages; fills and outlined
// rectangles may be.
struct Piece
{
    Element element;
    qreal top;
    qreal bottom;
    bool divisible;
};

// The part [from, to) of a band, printed on a page with from at pageY.
struct Slice
{
    qreal from;
    qreal to;
    int page;
    qreal pageY;
};

Element moved(Element element, QPointF offset)
{
    std::visit(
        [offset](auto &e) {
            if constexpr (std::is_same_v<std::decay_t<decltype(e)>, LineElement>)
                e.line.translate(offset);
            else
                e.rect.translate(offset);
        },
        element);
    return element;
}

class BandLayout
{
public:
    BandLayout(const Band &band, PreparedReport &report, QDate today);

    /// Places the band from the cursor on, adding pages as needed.
    void place(qreal &cursor);

private:
    void addText(const TextObject &object, QDate today);
    void add(Element element, qreal top, qreal bottom, bool divisible)
    {
        m_pieces.push_back({ std::move(element), top, bottom, divisible });
    }
    bool nothingFrom(qreal from) const;
    /// The lowest cut at or above limit that no whole piece straddles.
    qreal cutAbove(qreal from, qreal limit) const;
    void emit(const Slice &slice);
    QRectF printable() const;

    const Band &m_band;
    PreparedReport &m_report;
    std::vector<Piece> m_pieces;      // in the template's drawing order
    std::vector<int> m_wholeByTop;    // indices of the uncut pieces, by top
    std::vector<int> m_divisible;     // indices of the fills, in drawing order
};

BandLayout::BandLayout(const Band &band, PreparedReport &report, QDate today)
    : m_band(band)
    , m_report(report)
{
    for (const Object &object : band.objects) {
        if (const auto *text = std::get_if<TextObject>(&object)) {
            addText(*text, today);
        } else if (const auto *picture = std::get_if<PictureObject>(&object)) {
            if (!picture->image.isNull())
                add(PictureElement { picture->rect, picture->image }, picture->rect.top(),
                    picture->rect.bottom(), false);
        } else if (const auto *box = std::get_if<RectangleObject>(&object)) {
            add(FillElement { box->rect, box->fill, true }, box->rect.top(), box->rect.bottom(), true);
        } else if (const auto *rule = std::get_if<LineObject>(&object)) {
            const QLineF line(rule->from, rule->from + QPointF(rule->width, 0));
            add(LineElement { line }, rule->from.y(), rule->from.y(), false);
        }
    }
    for (int i = 0; i < int(m_pieces.size()); ++i)
        (m_pieces[i].divisible ? m_divisible : m_wholeByTop).push_back(i);
    std::stable_sort(m_wholeByTop.begin(), m_wholeByTop.end(),
        [this](int a, int b) { return m_pieces[a].top < m_pieces[b].top; });
}

void BandLayout::addText(const TextObject &object, QDate today)
{
    if (object.style.fill.isValid())
        add(FillElement { object.rect, object.style.fill, false }, object.rect.top(), object.rect.bottom(), true);
    const QRectF rect = object.rect.adjusted(textPadding, 0, -textPadding, 0);

    QString text = object.text;
    if (object.expandsDate)
        text.replace(QStringLiteral("[DATE]"), DateText::format(today));
    if (text.isEmpty())
        return;
    const int style = int(m_report.styles.size());
    m_report.styles.push_back(object.style);

    const QStringList lines = object.style.lines(text, rect.width());
    if (lines.size() == 1) {
        add(TextElement { rect, lines.constFirst(), style }, rect.top(), rect.bottom(), false);
        return;
    }
    // Several lines stack one line height apart; the block as a whole follows
    // the vertical alignment, and lines that do not fit the object are not shown.
    const qreal pitch = object.style.lineHeight();
    const qreal block = pitch * lines.size();
    // A block taller than its object starts at the top, so that its first
    // lines show whole whatever the alignment.
    qreal top = rect.top();
    const qreal room = rect.height() - block;
    if (room > 0 && (object.style.alignment & Qt::AlignVCenter))
        top += room / 2;
    else if (room > 0 && (object.style.alignment & Qt::AlignBottom))
        top += room;
    for (const QString &line : lines) {
        const QRectF lineRect(rect.left(), top, rect.width(), pitch);
        top += pitch;
        if (lineRect.bottom() > rect.bottom() + tolerance)
            break;
        if (!line.isEmpty())
            add(TextElement { lineRect, line, style }, lineRect.top(), lineRect.bottom(), false);
    }
}

QRectF BandLayout::printable() const
{
    return QRectF(QPointF(0, 0), m_report.pageSize).marginsRemoved(m_report.margins);
}

bool BandLayout::nothingFrom(qreal from) const
{
    const bool wholeLeft = !m_wholeByTop.empty() && m_pieces[m_wholeByTop.back()].top >= from - tolerance;
    return !wholeLeft && std::none_of(m_divisible.begin(), m_divisible.end(), [&](int index) {
        return m_pieces[index].bottom > from + tolerance;
    });
}

qreal BandLayout::cutAbove(qreal from, qreal limit) const
{
    const auto firstAfter = std::lower_bound(m_wholeByTop.begin(), m_wholeByTop.end(), from - tolerance,
        [this](int index, qreal y) { return m_pieces[index].top < y; });
    qreal cut = limit;
    for (bool moved = true; moved;) {
        moved = false;
        for (auto it = firstAfter; it != m_wholeByTop.end() && m_pieces[*it].top < cut - tolerance; ++it) {
            const Piece &piece = m_pieces[*it];
            if (piece.bottom > cut + tolerance && piece.top > from + tolerance) {
                cut = piece.top;
                moved = true;
                break;
            }
        }
    }
    return cut;
}

void BandLayout::place(qreal &cursor)
{
    const QRectF area = printable();
    // The first part of a band also shows what its objects hold above its top.
    const auto start = [](qreal from) { return from == 0 ? -unbounded : from; };
    qreal from = 0;
    bool mustSplit = m_band.canSplit;
    for (;;) {
        const qreal room = area.bottom() - cursor;
        const bool freshPage = cursor <= area.top() + tolerance;
        const qreal rest = m_band.height - from;
        if (rest <= room + tolerance || (freshPage && room <= tolerance)) {
            emit({ start(from), unbounded, int(m_report.pages.size()) - 1, cursor });
            cursor += rest;
            return;
        }
        if (from > 0 && nothingFrom(from)) {
            // Only blank space is left of the band: the page's end absorbs it.
            cursor = area.bottom();
            return;
        }
        if (!mustSplit && !freshPage) {
            m_report.pages.emplace_back();
            cursor = area.top();
            continue;
        }
        // A band taller than a whole page is split even when it should not be.
        mustSplit = true;
        qreal cut = cutAbove(from, from + room);
        if (cut <= from + tolerance)
            cut = from + room; // a piece taller than the page: the page's edge cuts it
        emit({ start(from), cut, int(m_report.pages.size()) - 1, cursor });
        m_report.pages.emplace_back();
        cursor = area.top();
        from = cut;
    }
}

void BandLayout::emit(const Slice &slice)
{
    const QPointF offset(printable().left(), slice.pageY - std::max(slice.from, 0.0));
    const auto wholeIn = [&](const Piece &piece) {
        return piece.top >= slice.from - tolerance && piece.top < slice.to - tolerance;
    };
    // Whole pieces of the slice are a run of the pieces sorted by top;
    // fills are few and checked one by one. Both keep the drawing order.
    const auto begin = std::lower_bound(m_wholeByTop.begin(), m_wholeByTop.end(), slice.from - tolerance,
        [this](int index, qreal y) { return m_pieces[index].top < y; });
    auto end = begin;
    while (end != m_wholeByTop.end() && wholeIn(m_pieces[*end]))
        ++end;
    std::vector<int> shown(begin, end);
    for (int i : m_divisible) {
        const Piece &piece = m_pieces[i];
        if (piece.bottom > slice.from + tolerance && piece.top < slice.to - tolerance)
            shown.push_back(i);
    }
    std::sort(shown.begin(), shown.end());

    std::vector<Element> &page = m_report.pages[slice.page].elements;
    page.reserve(page.size() + shown.size());
    for (int i : shown) {
        const Piece &piece = m_pieces[i];
        if (auto *fill = std::get_if<FillElement>(&piece.element)) {
            QRectF part = fill->rect;
            part.setTop(std::max(part.top(), slice.from));
            part.setBottom(std::min(part.bottom(), slice.to));
            page.push_back(moved(FillElement { part, fill->fill, fill->outline }, offset));
        } else {
            page.push_back(moved(piece.element, offset));
        }
    }
}

} // namespace

PreparedReport prepare(const ReportTemplate &report, QDate today)
{
    PreparedReport prepared;
    prepared.pageSize = report.pageSize();
    prepared.orientation = report.orientation();
    prepared.margins = report.margins();
    prepared.pages.emplace_back();
    qreal cursor = prepared.margins.top();
    for (const Band &band : report.bands())
        BandLayout(band, prepared, today).place(cursor);
    return prepared;
}

} // namespace Report
