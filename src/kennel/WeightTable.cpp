#include "kennel/WeightTable.h"

#include "core/DateText.h"

using WeightLog::Weighing;

void WeightTable::setLog(const QList<Weighing> &weighings, QDate birth)
{
    beginResetModel();
    m_weighings = weighings;
    m_birth = birth;
    m_places = WeightLog::placesFor(weighings);
    endResetModel();
}

QString WeightTable::caption(int column)
{
    switch (column) {
    case Data:
        return QStringLiteral("Data");
    case Peso:
        return QStringLiteral("Peso (kg)");
    case Variazione:
        return QStringLiteral("Variazione (kg)");
    case Crescita:
        return QStringLiteral("Crescita (g/giorno)");
    case Note:
        return QStringLiteral("Note");
    }
    return {};
}

QString WeightTable::text(int row, int column) const
{
    const Weighing &weighing = m_weighings[row];
    const Weighing *before = row > 0 ? &m_weighings[row - 1] : nullptr;
    switch (column) {
    case Data:
        return DateText::format(weighing.date);
    case Peso:
        return WeightLog::kilograms(weighing.grams, m_places);
    case Variazione:
        return before ? WeightLog::change(weighing.grams - before->grams, m_places) : QString();
    case Crescita:
        if (before && WeightLog::isYoung(m_birth, weighing.date)) {
            if (const std::optional<double> gain = WeightLog::gainPerDay(*before, weighing))
                return WeightLog::gainText(*gain);
        }
        return {};
    case Note:
        return weighing.note;
    }
    return {};
}

int WeightTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_weighings.size());
}

int WeightTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

std::optional<Qt::Alignment> WeightTable::alignment(int column) const
{
    if (column == Note)
        return std::nullopt;
    return (column == Data ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter;
}
