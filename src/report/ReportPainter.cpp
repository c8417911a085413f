#include "report/ReportPainter.h"

#include "report/PdfInformation.h"
#include "storage/WholeFile.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace Report {

namespace {

constexpr qreal thinLineMm = 0.2;

// Element positions in millimetres become device pixels here rather than
// through a scaled painter, so that fonts keep their point sizes.
class PagePainter
{
public:
    PagePainter(QPainter &painter, const PreparedReport &report)
        : m_painter(painter)
        , m_report(report)
        , m_dotsPerMm(painter.device()->logicalDpiX() / 25.4)
    {
        m_fonts.reserve(report.styles.size());
        for (const TextStyle &style : report.styles)
            m_fonts.push_back(style.font());
    }

    void paint(const Page &page)
    {
        m_painter.save();
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
        m_painter.setClipRect(toDevice(QRectF(QPointF(0, 0), m_report.pageSize).marginsRemoved(m_report.margins)));
        m_style = -1;
        for (const Element &element : page.elements)
            std::visit([this](const auto &e) { draw(e); }, element);
        m_painter.restore();
    }

private:
    QRectF toDevice(const QRectF &mm) const
    {
        return { mm.x() * m_dotsPerMm, mm.y() * m_dotsPerMm, mm.width() * m_dotsPerMm, mm.height() * m_dotsPerMm };
    }
    QPen thinPen() const { return QPen(Qt::black, thinLineMm * m_dotsPerMm); }

    void draw(const TextElement &text)
    {
        const TextStyle &style = m_report.styles[text.style];
        if (text.style != m_style) {
            m_painter.setFont(m_fonts[text.style]);
            m_painter.setPen(style.colour);
            m_style = text.style;
        }
        // Without TextDontClip a line wider than its area is cut at its edges.
        m_painter.drawText(toDevice(text.rect), int(style.alignment) | Qt::TextSingleLine, text.text);
    }
    void draw(const FillElement &fill)
    {
        const QRectF rect = toDevice(fill.rect);
        if (fill.fill.isValid())
            m_painter.fillRect(rect, fill.fill);
        if (fill.outline) {
            m_painter.setPen(thinPen());
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(rect);
            m_style = -1;
        }
    }
    void draw(const LineElement &rule)
    {
        m_painter.setPen(thinPen());
        m_painter.drawLine(QLineF(rule.line.p1() * m_dotsPerMm, rule.line.p2() * m_dotsPerMm));
        m_style = -1;
    }
    void draw(const PictureElement &picture)
    {
        const QRectF area = toDevice(picture.rect);
        QRectF target(QPointF(0, 0), QSizeF(picture.image.size()).scaled(area.size(), Qt::KeepAspectRatio));
        target.moveCenter(area.center());
        m_painter.drawImage(target, picture.image);
    }

    QPainter &m_painter;
    const PreparedReport &m_report;
    const qreal m_dotsPerMm;
    std::vector<QFont> m_fonts;
    int m_style = -1;
};

// The document's description for PDF readers: title, subject, author and the
// program that made it. The file's information entries hold the title and
// creator only; the metadata stream holds all four.
QByteArray xmpMetadata(const PdfProperties &properties)
{
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped().toUtf8(); };
    return QByteArrayLiteral("<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
                             "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
                             "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
                             "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/' "
                             "xmlns:xmp='http://ns.adobe.com/xap/1.0/' xmlns:pdf='http://ns.adobe.com/pdf/1.3/'>\n"
                             "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>")
        + escaped(properties.title)
        + QByteArrayLiteral("</rdf:li></rdf:Alt></dc:title>\n<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>")
        + escaped(properties.subject)
        + QByteArrayLiteral("</rdf:li></rdf:Alt></dc:description>\n<dc:creator><rdf:Seq><rdf:li>")
        + escaped(properties.author)
        + QByteArrayLiteral("</rdf:li></rdf:Seq></dc:creator>\n<xmp:CreatorTool>")
        + escaped(properties.creator)
        + QByteArrayLiteral("</xmp:CreatorTool>\n<pdf:Producer>")
        + escaped(properties.creator)
        + QByteArrayLiteral("</pdf:Producer>\n</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end='w'?>");
}

} // namespace

QPageLayout pageLayout(const PreparedReport &report)
{
    const QSizeF portrait = report.orientation == Orientation::Portrait ? report.pageSize : report.pageSize.transposed();
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
        report.orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void paintPage(QPainter &painter, const PreparedReport &report, int page)
{
    PagePainter(painter, report).paint(report.pages.at(page));
}

bool paintPages(QPagedPaintDevice &device, const PreparedReport &report, int first, int last)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PagePainter pages(painter, report);
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage())
            return false;
        pages.paint(report.pages.at(page));
    }
    return painter.end();
}

std::optional<QString> exportPdf(const PreparedReport &report, const QString &path, const PdfProperties &properties)
{
    QString trailerMissing;
    const std::optional<QString> failure = writeWholeFile(path, [&](QIODevice &file) {
        // The writer sets no subject or author of its own: a file that names
        // them is made in memory first and completed before it is written.
        const bool completed = !properties.subject.isEmpty() || !properties.author.isEmpty();
        QBuffer inMemory;
        inMemory.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(completed ? static_cast<QIODevice *>(&inMemory) : &file);
            writer.setPageLayout(pageLayout(report));
            writer.setTitle(properties.title);
            writer.setCreator(properties.creator);
            writer.setDocumentXmpMetadata(xmpMetadata(properties));
            if (!paintPages(writer, report, 0, int(report.pages.size()) - 1))
                return false;
        }
        if (!completed)
            return true;
        const std::optional<QByteArray> whole
            = withDocumentInformation(inMemory.data(), { properties.subject, properties.author });
        if (!whole) {
            trailerMissing = QStringLiteral("the PDF writer left no trailer to complete");
            return false;
        }
        return file.write(*whole) == whole->size();
    });
    if (failure && !trailerMissing.isEmpty())
        return trailerMissing;
    return failure;
}

} // namespace Report
