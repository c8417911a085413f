#include "dogs/WeightReport.h"

#include "dogs/WeightChart.h"
#include "kennel/WeightTable.h"

namespace {

constexpr qreal margin = 12;
constexpr qreal chartHeight = 100;
// The chart is drawn at this size in its own points, then fitted into the
// page: about 300 pixels an inch across the page's width.
constexpr QSize chartPoints(744, 400);
constexpr qreal chartScale = 3;

struct ColumnPlace
{
    qreal left;
    qreal width;
    Qt::Alignment alignment;
};
constexpr ColumnPlace columns[] = {
    { 0, 24, Qt::AlignHCenter },
    { 26, 20, Qt::AlignRight },
    { 48, 26, Qt::AlignRight },
    { 76, 30, Qt::AlignRight },
    { 110, 76, Qt::AlignLeft },
};

} // namespace

Report::ReportTemplate weightReport(const QString &title, const WeightTable &table)
{
    using namespace Report;
    ReportTemplate report(a4Paper, Orientation::Portrait, QMarginsF(margin, margin, margin, margin));
    const qreal width = a4Paper.width() - 2 * margin;

    TextStyle titleStyle;
    titleStyle.family = QStringLiteral("Verdana");
    titleStyle.pointSize = 13;
    titleStyle.bold = true;
    titleStyle.alignment = Qt::AlignCenter;
    report.addBand(QStringLiteral("Titolo"), 11).add(TextObject { QStringLiteral("txtTitolo"), QRectF(0, 0, width, 8),
        title, titleStyle });

    report.addBand(QStringLiteral("Grafico"), chartHeight + 4)
        .add(PictureObject { QStringLiteral("imgGrafico"), QRectF(0, 0, width, chartHeight),
            WeightChart::picture(table.weighings(), chartPoints, chartScale) });

    TextStyle headStyle;
    headStyle.pointSize = 9;
    headStyle.bold = true;
    TextStyle cellStyle;
    cellStyle.pointSize = 9;
    Band &head = report.addBand(QStringLiteral("Intestazione"), 7);
    head.add(RectangleObject { QRectF(0, 0, width, 6), QColor(0xFFDCE6F0) });
    for (int column = 0; column < WeightTable::ColumnCount; ++column) {
        TextStyle style = headStyle;
        style.alignment = columns[column].alignment | Qt::AlignVCenter;
        head.add(TextObject { QStringLiteral("cap%1").arg(column),
            QRectF(columns[column].left + 1, 0, columns[column].width, 6), WeightTable::caption(column), style });
    }

    const int rows = table.rowCount();
    const qreal lineHeight = cellStyle.lineHeight();
    Band &body = report.addBand(QStringLiteral("Pesate"), std::max(1, rows) * lineHeight + 2, true);
    if (rows == 0) {
        body.add(TextObject { QStringLiteral("txtVuoto"), QRectF(1, 0, width, lineHeight),
            QStringLiteral("Nessuna pesata registrata."), cellStyle });
    }
    for (int column = 0; rows > 0 && column < WeightTable::ColumnCount; ++column) {
        QStringList lines = table.columnTexts(column);
        for (QString &line : lines)
            line.replace(u'\n', u' ').replace(u'\r', u' ');
        TextStyle style = cellStyle;
        style.alignment = columns[column].alignment | Qt::AlignTop;
        body.add(TextObject { QStringLiteral("col%1").arg(column),
            QRectF(columns[column].left + 1, 0, columns[column].width, rows * lineHeight), lines.join(u'\n'),
            style });
    }

    TextStyle footStyle;
    footStyle.pointSize = 8;
    footStyle.alignment = Qt::AlignCenter;
    report.addBand(QStringLiteral("Chiusura"), 8)
        .add(TextObject { QStringLiteral("txtData"), QRectF(0, 2, width, 5),
            QStringLiteral("Stampa eseguita in data [DATE]"), footStyle, true });
    return report;
}
