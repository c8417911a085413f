#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

// The texts of the printed cards, taken from the values a card window shows.

/// The values a card shows, by the objectName of the control that shows
/// each; a ticked check box is "Sì", an unticked one "No".
using ScreenValues = QHash<QString, QString>;

namespace CardTexts {

/// "Stampa eseguita in data 28/02/2024 alle ore 09:30:00": the footer of every card.
QString footer(const QDateTime &now);

struct Row
{
    QString label;
    QString value;
    bool operator==(const Row &) const = default;
};

/// The 24 rows of the printed owner card.
QList<Row> ownerRows(const ScreenValues &values);
/// The 24 rows of the printed schedule entry card; the last four are blank.
QList<Row> scheduleRows(const ScreenValues &values);

} // namespace CardTexts
