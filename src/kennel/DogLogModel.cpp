#include "kennel/DogLogModel.h"

int DogLogModel::rowOf(qint64 position) const
{
    for (int row = 0; row < rowCount(); ++row)
        if (positionAt(row) == position)
            return row;
    return -1;
}

QStringList DogLogModel::columnTexts(int column) const
{
    QStringList texts;
    texts.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row)
        texts.append(text(row, column));
    return texts;
}

QVariant DogLogModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        if (const std::optional<Qt::Alignment> aligned = alignment(index.column()))
            return int(*aligned);
    }
    return {};
}

QVariant DogLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return columnCaption(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString DogLogModel::columnCaption(int) const
{
    return {};
}

std::optional<Qt::Alignment> DogLogModel::alignment(int) const
{
    return std::nullopt;
}
