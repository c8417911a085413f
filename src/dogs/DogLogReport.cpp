#include "dogs/DogLogReport.h"

#include "kennel/DogLogModel.h"

namespace DogLogReport {

namespace {

    constexpr qreal margin = 12;

} // namespace

qreal width()
{
    return Report::a4Paper.width() - 2 * margin;
}

Report::ReportTemplate page(const QString &title)
{
    using namespace Report;
    ReportTemplate report(a4Paper, Orientation::Portrait, QMarginsF(margin, margin, margin, margin));
    TextStyle titleStyle;
    titleStyle.family = QStringLiteral("Verdana");
    titleStyle.pointSize = 13;
    titleStyle.bold = true;
    titleStyle.alignment = Qt::AlignCenter;
    report.addBand(QStringLiteral("Titolo"), 11)
        .add(TextObject { QStringLiteral("txtTitolo"), QRectF(0, 0, width(), 8), title, titleStyle });
    return report;
}

void addTable(Report::ReportTemplate &report, const DogLogModel &table, std::span<const Column> columns,
    qreal pointSize, const QString &bandName, const QString &emptyText)
{
    using namespace Report;
    TextStyle headStyle;
    headStyle.pointSize = pointSize;
    headStyle.bold = true;
    TextStyle cellStyle;
    cellStyle.pointSize = pointSize;
    Band &head = report.addBand(QStringLiteral("Intestazione"), 7);
    head.add(RectangleObject { QRectF(0, 0, width(), 6), QColor(0xFFDCE6F0) });
    for (int column = 0; column < int(columns.size()); ++column) {
        TextStyle style = headStyle;
        style.alignment = columns[column].alignment | Qt::AlignVCenter;
        head.add(TextObject { QStringLiteral("cap%1").arg(column),
            QRectF(columns[column].left + 1, 0, columns[column].width, 6),
            table.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), style });
    }

    const int rows = table.rowCount();
    const qreal lineHeight = cellStyle.lineHeight();
    Band &body = report.addBand(bandName, std::max(1, rows) * lineHeight + 2, true);
    if (rows == 0)
        body.add(TextObject {
            QStringLiteral("txtVuoto"), QRectF(1, 0, width(), lineHeight), emptyText, cellStyle });
    for (int column = 0; rows > 0 && column < int(columns.size()); ++column) {
        // One text per column, a line per row: a note's own line breaks
        // would push its row's cells out of line with the others.
        QStringList lines = table.columnTexts(column);
        for (QString &line : lines)
            line.replace(u'\n', u' ').replace(u'\r', u' ');
        TextStyle style = cellStyle;
        style.alignment = columns[column].alignment | Qt::AlignTop;
        body.add(TextObject { QStringLiteral("col%1").arg(column),
            QRectF(columns[column].left + 1, 0, columns[column].width, rows * lineHeight), lines.join(u'\n'),
            style });
    }
}

void addPrintDate(Report::ReportTemplate &report)
{
    using namespace Report;
    TextStyle footStyle;
    footStyle.pointSize = 8;
    footStyle.alignment = Qt::AlignCenter;
    report.addBand(QStringLiteral("Chiusura"), 8)
        .add(TextObject { QStringLiteral("txtData"), QRectF(0, 2, width(), 5),
            QStringLiteral("Stampa eseguita in data [DATE]"), footStyle, true });
}

} // namespace DogLogReport
