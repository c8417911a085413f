#include "export/ExportGrid.h"

void ExportRows::append(std::span<const QString> cells)
{
    QString text;
    std::vector<quint32> ends;
    for (size_t column = 0; column < size_t(m_columns); ++column) {
        if (column < cells.size())
            text += cells[column];
        ends.push_back(quint32(text.size()));
    }
    append(text, ends);
}

void ExportRows::append(QStringView text, std::span<const quint32> ends)
{
    Q_ASSERT(ends.size() == size_t(m_columns) && (ends.empty() || ends.back() == text.size()));
    m_texts.append(text.toString()); // a copy of its own exact size
    m_ends.insert(m_ends.end(), ends.begin(), ends.end());
}

void ExportRows::append(QStringView text, std::span<const quint32> ends, qint64 number)
{
    Q_ASSERT(m_numbers.size() == size_t(m_texts.size()));
    append(text, ends);
    m_numbers.push_back(number);
}

void ExportRows::reorder(std::span<const int> order)
{
    Q_ASSERT(order.size() == size_t(m_texts.size()));
    QList<QString> texts;
    texts.reserve(m_texts.size());
    std::vector<quint32> ends;
    ends.reserve(m_ends.size());
    std::vector<qint64> numbers;
    numbers.reserve(m_numbers.size());
    const size_t columns = size_t(m_columns);
    for (const int row : order) {
        texts.append(std::move(m_texts[row]));
        ends.insert(ends.end(), m_ends.begin() + row * columns, m_ends.begin() + (row + 1) * columns);
        if (!m_numbers.empty())
            numbers.push_back(m_numbers[size_t(row)]);
    }
    m_texts = std::move(texts);
    m_ends = std::move(ends);
    m_numbers = std::move(numbers);
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
        return QString::number(m_rows.number(index.row()));
    return m_rows.cell(index.row(), index.column() - 1).toString();
}

QVariant ExportGrid::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0
        || section > int(m_columns.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? QStringLiteral("N.") : m_columns[section - 1].label.toString();
}
