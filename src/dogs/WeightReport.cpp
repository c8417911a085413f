#include "dogs/WeightReport.h"

#include "dogs/DogLogReport.h"
#include "dogs/WeightChart.h"
#include "kennel/WeightTable.h"

namespace {

constexpr qreal chartHeight = 100;
// The chart is drawn at this size in its own points, then fitted into the
// page: about 300 pixels an inch across the page's width.
constexpr QSize chartPoints(744, 400);
constexpr qreal chartScale = 3;

constexpr DogLogReport::Column columns[] = {
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
    ReportTemplate report = DogLogReport::page(title);
    const qreal width = DogLogReport::width();

    report.addBand(QStringLiteral("Grafico"), chartHeight + 4)
        .add(PictureObject { QStringLiteral("imgGrafico"), QRectF(0, 0, width, chartHeight),
            WeightChart::picture(table.weighings(), chartPoints, chartScale) });

    DogLogReport::addTable(
        report, table, columns, 9, QStringLiteral("Pesate"), QStringLiteral("Nessuna pesata registrata."));
    DogLogReport::addPrintDate(report);
    return report;
}
