#include "kennel/HealthTable.h"

#include "core/DateText.h"

using HealthBooklet::Entry;
using HealthDue::State;

void HealthTable::setBooklet(const QList<Entry> &entries, QDate today)
{
    beginResetModel();
    m_entries = entries;
    m_states.clear();
    for (const Entry &entry : entries)
        m_states.append(HealthBooklet::state(entry, entries, today));
    endResetModel();
}

State HealthTable::mostPressing(const QList<Entry> &entries, QDate today)
{
    State pressing = State::None;
    for (const Entry &entry : entries) {
        const State state = HealthBooklet::state(entry, entries, today);
        if (state == State::Overdue)
            return state;
        if (state == State::DueSoon)
            pressing = state;
    }
    return pressing;
}

QString HealthTable::caption(int column)
{
    static const char *const captions[ColumnCount]
        = { "Data", "Tipo", "Cosa", "Lotto", "Veterinario", "Esito", "Scadenza", "Stato" };
    return column >= 0 && column < ColumnCount ? QString::fromLatin1(captions[column]) : QString();
}

QString HealthTable::text(int row, int column) const
{
    const Entry &entry = m_entries[row];
    switch (column) {
    case Data:
        return DateText::format(entry.date);
    case Tipo:
        return HealthDue::kindNames().at(int(entry.kind));
    case Cosa:
        return entry.what;
    case Lotto:
        return entry.batch;
    case Veterinario:
        return entry.veterinarian;
    case Esito:
        return entry.result;
    case Scadenza:
        return DateText::format(entry.due);
    case Stato:
        return HealthDue::stateWord(m_states[row]);
    }
    return {};
}

int HealthTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int HealthTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HealthTable::data(const QModelIndex &index, int role) const
{
    if (role == stateRole && index.isValid())
        return int(m_states[index.row()]);
    return DogLogModel::data(index, role);
}

std::optional<Qt::Alignment> HealthTable::alignment(int column) const
{
    if (column == Data || column == Scadenza || column == Stato)
        return Qt::AlignHCenter | Qt::AlignVCenter;
    return std::nullopt;
}
