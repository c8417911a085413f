#pragma once

#include "kennel/CostList.h"
#include "kennel/DogLogModel.h"

// The costs of a dog as rows of one column, in file order: each row the
// cost's line (CostList::line), keeping the cost's record and position.
class CostTable : public DogLogModel
{
    Q_OBJECT

public:
    using DogLogModel::DogLogModel;

    void setCosts(QList<CostList::Cost> costs);
    const QList<CostList::Cost> &costs() const { return m_costs; }
    qint64 positionAt(int row) const override { return m_costs[row].position; }

    /// The cost a pick on row edits. Costs of the same values show the same
    /// line, so the user cannot tell them apart: the pick always edits the
    /// last of them in the file, whichever line was picked.
    const CostList::Cost &edited(int row) const;

    QString text(int row, int column) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;

private:
    QList<CostList::Cost> m_costs;
};
