#pragma once

#include "kennel/WeightLog.h"

#include <QImage>
#include <QList>
#include <QPointF>
#include <QSize>

class QChart;
class QLineSeries;

// The weight chart of a dog's weight log: the weight in kilograms over the
// dates of the weighings, one visible point a weighing joined by a line. The
// window shows it in a chart view; the printed page draws the same chart
// into a picture.
namespace WeightChart {

/// A chart with its line series "serPeso", the date axis and the kilogram
/// axis, numbers written the Italian way; it shows no weighing yet.
QChart *make();

/// The line series "serPeso" of a chart made by make().
QLineSeries *series(QChart *chart);

/// Shows the weighings (in date order) in a chart made by make(): one point
/// each, at noon of its date, and both axes fitted to them; no weighing
/// leaves the frame without labels.
void show(QChart *chart, const QList<WeightLog::Weighing> &weighings);

/// A mark of the date axis: its date (the line is drawn at its midnight)
/// and its label.
struct DateMark
{
    QDate date;
    QString label;
    bool operator==(const DateMark &) const = default;
};

/// Where the date axis of a chart spanning the days from..to is marked: on
/// month starts ("mar 2024"), every one, two, three, six or twelve months,
/// when three or more fall in the span; else on Mondays ("04/03"), every
/// one, two or four weeks; else on days. Never more than six marks, so that
/// their labels fit side by side.
QList<DateMark> dateMarks(QDate from, QDate to);

/// The point of a weighing: milliseconds since the epoch at noon of its
/// date (local time, as the date axis reads it), kilograms.
QPointF pointOf(const WeightLog::Weighing &weighing);

/// What the tooltip says of the point nearest in time to where the mouse
/// is over the line: "05/03/2024: 12,35 kg"; empty without points.
QString hoverText(const QList<QPointF> &points, QPointF at);

/// The chart of the weighings drawn at size (in points, the chart's own
/// unit) with scale pixels a point: the picture a printed page carries.
QImage picture(const QList<WeightLog::Weighing> &weighings, QSize size, qreal scale);

} // namespace WeightChart
