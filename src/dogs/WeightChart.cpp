#include "dogs/WeightChart.h"

#include "core/DateText.h"

#include <QChart>
#include <QCategoryAxis>
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

constexpr int mostMarks = 6;

double msecsAtMidnight(QDate date)
{
    return double(QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch());
}

// The marks from first on, each next(previous) after the one before, up to
// to; empty when there would be more than mostMarks.
template<typename Next>
QList<WeightChart::DateMark> marksFrom(QDate first, QDate to, Next next, const QString &format)
{
    static const QLocale italian(QLocale::Italian, QLocale::Italy);
    QList<WeightChart::DateMark> marks;
    for (QDate date = first; date <= to; date = next(date)) {
        if (marks.size() == mostMarks)
            return {};
        marks.append({ date, italian.toString(date, format) });
    }
    return marks;
}

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

    // A category axis, because it draws its lines where they are asked
    // for (on month starts, say), not evenly over the range.
    auto *dates = new QCategoryAxis(chart);
    dates->setObjectName(QStringLiteral("asseDate"));
    dates->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
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

QList<DateMark> dateMarks(QDate from, QDate to)
{
    const QDate monthStart = QDate(from.year(), from.month(), 1);
    for (int months : { 1, 2, 3, 6, 12, 24, 48, 96 }) {
        QDate first = monthStart < from ? monthStart.addMonths(1) : monthStart;
        while ((first.year() * 12 + first.month() - 1) % months != 0)
            first = first.addMonths(1);
        const QList<DateMark> marks
            = marksFrom(first, to, [months](QDate date) { return date.addMonths(months); }, QStringLiteral("MMM yyyy"));
        if (marks.size() >= 3)
            return marks;
        if (!marks.isEmpty() || first > to)
            break; // fewer months than that: a shorter step is for weeks
    }
    const QDate monday = from.addDays((8 - from.dayOfWeek()) % 7);
    for (int weeks : { 1, 2, 4 }) {
        const QList<DateMark> marks
            = marksFrom(monday, to, [weeks](QDate date) { return date.addDays(7 * weeks); }, QStringLiteral("dd/MM"));
        if (marks.size() >= 2)
            return marks;
    }
    for (int days : { 1, 2, 3 }) {
        const QList<DateMark> marks
            = marksFrom(from, to, [days](QDate date) { return date.addDays(days); }, QStringLiteral("dd/MM"));
        if (!marks.isEmpty())
            return marks;
    }
    return {};
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

    auto *dates = static_cast<QCategoryAxis *>(chart->axes(Qt::Horizontal).constFirst());
    auto *kilograms = static_cast<QValueAxis *>(chart->axes(Qt::Vertical).constFirst());
    for (const QString &label : dates->categoriesLabels())
        dates->remove(label);
    // An empty log shows the bare frame: its window says why.
    dates->setLabelsVisible(!weighings.isEmpty());
    kilograms->setLabelsVisible(!weighings.isEmpty());
    if (weighings.isEmpty()) {
        kilograms->setRange(0, 10);
        return;
    }
    // A twentieth of the span (a day at least) of room on each side, so that
    // the first and last points are drawn whole inside the frame.
    const QDate first = weighings.constFirst().date;
    const QDate last = weighings.constLast().date;
    const qint64 room = std::max<qint64>(1, first.daysTo(last) / 20);
    const QDate from = first.addDays(-room);
    const QDate to = last.addDays(room);
    dates->setStartValue(msecsAtMidnight(from));
    dates->setRange(msecsAtMidnight(from), msecsAtMidnight(to.addDays(1)));
    for (const DateMark &mark : dateMarks(from, to))
        dates->append(mark.label, msecsAtMidnight(mark.date));
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
