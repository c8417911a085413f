#include "dogs/WeightChart.h"

#include "core/DateText.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using WeightLog::Weighing;

namespace {

const QColor lineColour(0xFF2F6A9A);

} // namespace

namespace WeightChart {

QChart *make()
{
    auto *chart = new QChart;
    chart->setObjectName(QStringLiteral("grafico"));
    chart->legend()->hide();
    chart->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    chart->setLocalizeNumbers(true);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 8, 4));

    auto *series = new QLineSeries(chart);
    series->setObjectName(QStringLiteral("serPeso"));
    series->setName(QStringLiteral("Peso"));
    series->setPointsVisible(true);
    series->setMarkerSize(7);
    QPen pen(lineColour);
    pen.setWidthF(2);
    series->setPen(pen);
    series->setColor(lineColour);
    chart->addSeries(series);

    auto *dates = new QDateTimeAxis(chart);
    dates->setObjectName(QStringLiteral("asseDate"));
    dates->setFormat(DateText::pattern());
    dates->setTickCount(5);
    dates->setTitleText(QStringLiteral("Data"));
    chart->addAxis(dates, Qt::AlignBottom);
    series->attachAxis(dates);

    auto *kilograms = new QValueAxis(chart);
    kilograms->setObjectName(QStringLiteral("asseChili"));
    kilograms->setLabelFormat(QStringLiteral("%.1f"));
    kilograms->setTitleText(QStringLiteral("Peso (kg)"));
    chart->addAxis(kilograms, Qt::AlignLeft);
    series->attachAxis(kilograms);
    show(chart, {});
    return chart;
}

QLineSeries *series(QChart *chart)
{
    return static_cast<QLineSeries *>(chart->series().constFirst());
}

QPointF pointOf(const Weighing &weighing)
{
    return QPointF(double(QDateTime(weighing.date, QTime(12, 0)).toMSecsSinceEpoch()), weighing.grams / 1000.0);
}

void show(QChart *chart, const QList<Weighing> &weighings)
{
    QList<QPointF> points;
    points.reserve(weighings.size());
    for (const Weighing &weighing : weighings)
        points.append(pointOf(weighing));
    series(chart)->replace(points);

    auto *dates = static_cast<QDateTimeAxis *>(chart->axes(Qt::Horizontal).constFirst());
    auto *kilograms = static_cast<QValueAxis *>(chart->axes(Qt::Vertical).constFirst());
    // An empty log shows the bare frame: its window says why.
    dates->setLabelsVisible(!weighings.isEmpty());
    kilograms->setLabelsVisible(!weighings.isEmpty());
    if (weighings.isEmpty()) {
        kilograms->setRange(0, 10);
        return;
    }
    // A day or two of room on each side, so that the first and last points
    // do not sit on the frame.
    const QDate first = weighings.constFirst().date;
    const QDate last = weighings.constLast().date;
    // The span is a multiple of the four intervals between the five ticks,
    // so that every tick falls on a midnight and no date is written twice.
    const qint64 span = first.daysTo(last);
    const qint64 room = std::max<qint64>(1, span / 20);
    const qint64 days = (span + 2 * room + 3) / 4 * 4;
    const QDate start = first.addDays(-(days - span) / 2);
    dates->setRange(QDateTime(start, QTime(0, 0)), QDateTime(start.addDays(days), QTime(0, 0)));
    const auto [lightest, heaviest] = std::minmax_element(weighings.cbegin(), weighings.cend(),
        [](const Weighing &a, const Weighing &b) { return a.grams < b.grams; });
    const double low = lightest->grams / 1000.0;
    const double high = heaviest->grams / 1000.0;
    const double margin = std::max(0.5, (high - low) * 0.1);
    kilograms->setRange(std::max(0.0, low - margin), high + margin);
    kilograms->applyNiceNumbers();
}

QString hoverText(const QList<QPointF> &points, QPointF at)
{
    if (points.isEmpty())
        return {};
    const auto nearest = std::min_element(points.cbegin(), points.cend(), [at](QPointF a, QPointF b) {
        return std::abs(a.x() - at.x()) < std::abs(b.x() - at.x());
    });
    const QDate date = QDateTime::fromMSecsSinceEpoch(qint64(nearest->x())).date();
    return DateText::format(date) + QStringLiteral(": ")
        + WeightLog::kilograms(int(std::lround(nearest->y() * 1000))) + QStringLiteral(" kg");
}

QImage picture(const QList<Weighing> &weighings, QSize size, qreal scale)
{
    QGraphicsScene scene;
    QChart *chart = make(); // the scene owns it
    scene.addItem(chart);
    chart->setGeometry(QRectF(QPointF(0, 0), size));
    show(chart, weighings);
    chart->layout()->activate();

    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    painter.end();
    return image;
}

} // namespace WeightChart
