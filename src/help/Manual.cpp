#include "help/Manual.h"

#include "core/Version.h"
#include "help/HelpPages.h"
#include "storage/WholeFile.h"

#include <QAbstractTextDocumentLayout>
#include <QMap>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace Manual {

namespace {

constexpr int resolution = 300; // dots per inch of the PDF pages
constexpr qreal marginMm = 20;
// A window as wide as a screen of 1366 pixels fills the text's width; every
// other picture keeps the same scale, so that windows compare as on screen.
constexpr qreal screenWidth = 1366;

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// Names the picture of each figure, and the page a landscape figure is kept.
constexpr QLatin1StringView figureScheme("figura:");

QString figureUrl(qsizetype index)
{
    return figureScheme + QString::number(index + 1);
}

QString titlePage()
{
    return QStringLiteral(
               "<p align=\"center\" style=\"margin-top: 180px; font-size: 36pt; font-weight: bold; color: #2F5D84;\">"
               "Zampora</p>"
               "<p align=\"center\" style=\"font-size: 18pt; color: #3C6E98;\">Guida all'utilizzo del software</p>"
               "<p align=\"center\" style=\"margin-top: 40px; color: #7D9BB6;\">"
               "Gestione cani, proprietari e scadenze</p>"
               "<p align=\"center\" style=\"margin-top: 20px; color: #7D9BB6;\">Versione %1</p>")
        .arg(escaped(programVersion()));
}

QString contents(const QList<HelpText> &chapters, const QList<int> &chapterPages)
{
    QString html = QStringLiteral("<h2 style=\"page-break-before: always; color: #2F5D84;\">Indice</h2>"
                                  "<table width=\"100%\" cellpadding=\"4\">");
    for (qsizetype i = 0; i < chapters.size(); ++i)
        html += QStringLiteral("<tr><td>%1. %2</td><td align=\"right\">%3</td></tr>")
                    .arg(i + 1)
                    .arg(escaped(chapters[i].title),
                        i < chapterPages.size() ? QString::number(chapterPages[i]) : QStringLiteral("0"));
    return html + QStringLiteral("</table>");
}

QString captionOf(qsizetype index, const QString &caption)
{
    return QStringLiteral("Figura %1. %2").arg(index + 1).arg(caption);
}

QString figure(const QImage &picture, qsizetype index, const QString &caption, qreal scale, qreal width)
{
    const QSizeF logical = picture.deviceIndependentSize();
    const qreal fitting = std::min(scale, width / logical.width());
    return QStringLiteral("<p align=\"center\" style=\"margin-top: 16px;\"><img src=\"%1\" width=\"%2\" height=\"%3\"></p>"
                          "<p align=\"center\" style=\"margin-bottom: 12px; color: #3C6E98;\"><i>%4</i></p>")
        .arg(figureUrl(index))
        .arg(qRound(logical.width() * fitting))
        .arg(qRound(logical.height() * fitting))
        .arg(escaped(captionOf(index, caption)));
}

// A page of its own kept in the text's flow, so that the pages counted for
// the contents are the pages printed; write() turns it and draws the figure
// on it. What follows in the chapter starts on the next page; a chapter's
// heading starts one anyway.
QString landscapePlaceholder(qsizetype index, bool lastOfChapter)
{
    return QStringLiteral("<p style=\"page-break-before: always;%1\"><a name=\"%2\">&nbsp;</a></p>")
        .arg(lastOfChapter ? QString() : QStringLiteral(" page-break-after: always;"), figureUrl(index));
}

// The figure, from 0, each landscape page (from 0) is kept for.
QMap<int, qsizetype> landscapeFiguresOf(const QTextDocument &document)
{
    QMap<int, qsizetype> figures;
    const qreal pageHeight = document.pageSize().height();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (QTextBlock::iterator part = block.begin(); !part.atEnd(); ++part)
            for (const QString &name : part.fragment().charFormat().anchorNames())
                if (name.startsWith(figureScheme))
                    figures.insert(int(document.documentLayout()->blockBoundingRect(block).top() / pageHeight),
                        name.sliced(figureScheme.size()).toInt() - 1);
    return figures;
}

// The page, from 1, on which each chapter's heading stands.
QList<int> chapterPagesOf(const QTextDocument &document)
{
    QList<int> pages;
    const qreal pageHeight = document.pageSize().height();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() == 1)
            pages.append(int(document.documentLayout()->blockBoundingRect(block).top() / pageHeight) + 1);
    return pages;
}

qreal dotsPerMm()
{
    return resolution / 25.4;
}

// The figure as large as the landscape page's margins allow, its caption below.
void drawLandscapeFigure(QPainter &painter, const QSizeF &page, const QImage &picture, const QString &caption)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(11);
    font.setItalic(true);
    painter.setFont(font);
    const qreal margin = marginMm * dotsPerMm();
    const qreal captionHeight = 14 * dotsPerMm();
    const QRectF room(margin, margin, page.width() - 2 * margin, page.height() - 2 * margin - captionHeight);
    const QSizeF size = picture.deviceIndependentSize().scaled(room.size(), Qt::KeepAspectRatio);
    const QRectF target(QPointF(room.left() + (room.width() - size.width()) / 2, room.top()), size);
    painter.drawImage(target, picture);
    painter.setPen(QColor(0x3C, 0x6E, 0x98));
    painter.drawText(QRectF(room.left(), target.bottom(), room.width(), captionHeight), Qt::AlignCenter, caption);
}

void drawPageNumber(QPainter &painter, const QSizeF &page, int number)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    painter.setFont(font);
    painter.setPen(QColor(0x7D, 0x9B, 0xB6));
    const qreal bottom = page.height() - marginMm * dotsPerMm() / 2;
    painter.drawText(QRectF(0, bottom - 100, page.width(), 100), Qt::AlignHCenter | Qt::AlignBottom,
        QString::number(number));
}

} // namespace

QString html(const QList<Figure> &figures, const QList<int> &chapterPages, qreal scale, qreal width)
{
    const QList<HelpPage> pages = manualChapterPages();
    const QList<HelpText> chapters = manualChapters();
    QString html = QStringLiteral("<html><body style=\"font-family: 'DejaVu Sans'; font-size: 11pt;\">")
        + titlePage() + contents(chapters, chapterPages);
    for (qsizetype i = 0; i < chapters.size(); ++i) {
        html += QStringLiteral("<h1 style=\"page-break-before: always; color: #DC143C; font-size: 16pt;\">%1. %2</h1>")
                    .arg(i + 1)
                    .arg(escaped(chapters[i].title));
        for (const QString &paragraph : chapters[i].paragraphs)
            html += QStringLiteral("<p align=\"justify\" style=\"margin-bottom: 8px;\">%1</p>").arg(escaped(paragraph));
        QList<qsizetype> shown;
        for (qsizetype f = 0; f < figures.size(); ++f)
            if (figures[f].chapter == pages[i] && !figures[f].picture.isNull())
                shown.append(f);
        for (const qsizetype f : shown)
            html += figures[f].page == FigurePage::Landscape
                ? landscapePlaceholder(f, f == shown.last())
                : figure(figures[f].picture, f, figures[f].caption, scale, width);
    }
    return html + QStringLiteral("</body></html>");
}

bool write(const QString &path, const QList<Figure> &figures)
{
    return !writeWholeFile(path, [&](QIODevice &file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(QStringLiteral("Zampora - Guida all'utilizzo del software"));
        pdf.setCreator(QStringLiteral("Zampora"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
            QPageLayout::Millimeter));
        pdf.setResolution(resolution);

        // Laid out in the PDF's own units, so that the pages measured for
        // the contents are the pages printed.
        QTextDocument document;
        document.documentLayout()->setPaintDevice(&pdf);
        const QSizeF page(pdf.width(), pdf.height());
        document.setPageSize(page);
        // Margins and pictures are measured in the pixels of a 96 dpi
        // screen, as rich text measures them whatever the device; pages in
        // the device's own dots.
        const qreal cssPixelsPerMm = 96 / 25.4;
        document.setDocumentMargin(marginMm * cssPixelsPerMm);
        for (qsizetype i = 0; i < figures.size(); ++i)
            document.addResource(QTextDocument::ImageResource, QUrl(figureUrl(i)), figures[i].picture);
        const qreal width = page.width() * 96 / resolution - 2 * marginMm * cssPixelsPerMm;
        const qreal scale = width / screenWidth;
        // The contents' numbers take no more room than their placeholders,
        // so a second layout only confirms them.
        QList<int> chapterPages;
        for (int pass = 0; pass < 3; ++pass) {
            document.setHtml(html(figures, chapterPages, scale, width));
            const QList<int> found = chapterPagesOf(document);
            if (found == chapterPages)
                break;
            chapterPages = found;
        }

        const QMap<int, qsizetype> landscape = landscapeFiguresOf(document);
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        for (int number = 0; number < document.pageCount(); ++number) {
            const auto turned = landscape.find(number);
            const bool isLandscape = turned != landscape.end() && *turned < figures.size();
            if (number > 0) {
                // A layout set before newPage() applies to the new page only.
                pdf.setPageOrientation(isLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
                if (!pdf.newPage())
                    return false;
            }
            if (isLandscape) {
                const QSizeF turnedPage = page.transposed();
                const Figure &shown = figures[*turned];
                drawLandscapeFigure(painter, turnedPage, shown.picture, captionOf(*turned, shown.caption));
                drawPageNumber(painter, turnedPage, number + 1);
                continue;
            }
            painter.save();
            painter.translate(0, -number * page.height());
            document.drawContents(&painter, QRectF(QPointF(0, number * page.height()), page));
            painter.restore();
            if (number > 0)
                drawPageNumber(painter, page, number + 1);
        }
        return painter.end();
    });
}

} // namespace Manual
