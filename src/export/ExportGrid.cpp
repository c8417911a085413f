#include "export/ExportGrid.h"

void ExportRows::append(std::span<const QString> cells)
{
    const size_t used = std::min(cells.size(), size_t(m_columns));
    qsizetype length = 0;
    for (size_t column = 0; column < used; ++column)
        length += cells[column].size();
    QString text;
    text.reserve(length);
    for (size_t column = 0; column < size_t(m_columns); ++column) {
        if (column < used)
            text += cells[column];
        m_ends.push_back(quint32(text.size()));
    }
    m_texts.append(text);
}

QStringView ExportRows::cell(int row, int column) const
{
    const size_t first = size_t(row) * size_t(m_columns);
    const quint32 end = m_ends[first + size_t(column)];
    const quint32 start = column == 0 ? 0 : m_ends[first + size_t(column) - 1];
    return QStringView(m_texts[row]).sliced(start, end - start);
}

ExportGrid::ExportGrid(std::span<const SpreadsheetColumn> columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(columns)
    , m_rows(int(columns.size()))
{
}

void ExportGrid::setRows(ExportRows rows)
{
    Q_ASSERT(rows.columnCount() == int(m_columns.size()));
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int ExportGrid::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.rowCount();
}

int ExportGrid::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size()) + 1;
}

QVariant ExportGrid::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (index.column() == 0)
        return QString::number(index.row() + 1);
    return m_rows.cell(index.row(), index.column() - 1).toString();
}

QVariant ExportGrid::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0
        || section > int(m_columns.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? QStringLiteral("N.") : m_columns[section - 1].label.toString();
}
