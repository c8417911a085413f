#include "kennel/CostTable.h"

#include "storage/CostRecord.h"

namespace {

bool sameValues(const Record &a, const Record &b)
{
    for (int field = 0; field < CostRecord::FieldCount; ++field)
        if (a.value(field) != b.value(field))
            return false;
    return true;
}

} // namespace

void CostTable::setCosts(QList<CostList::Cost> costs)
{
    beginResetModel();
    m_costs = std::move(costs);
    endResetModel();
}

const CostList::Cost &CostTable::edited(int row) const
{
    for (qsizetype later = m_costs.size() - 1; later > row; --later)
        if (sameValues(m_costs[later].record, m_costs[row].record))
            return m_costs[later];
    return m_costs[row];
}

QString CostTable::text(int row, int) const
{
    return CostList::line(m_costs[row].record);
}

int CostTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_costs.size());
}

int CostTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}
