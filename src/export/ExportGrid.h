#pragma once

#include "export/SpreadsheetDocument.h"

#include <QAbstractTableModel>
#include <QList>

#include <memory>
#include <vector>

// Rows of cell texts. Each row is one run in a large block: its cells' ends,
// then its cells' texts one after the other. Blocks are never moved once
// written, so an archive of many thousands of cards costs little more memory
// than its texts and one allocation per block rather than per row, and
// sorting the rows moves only their places.
class ExportRows
{
public:
    explicit ExportRows(int columns)
        : m_columns(columns)
    {
    }

    int columnCount() const { return m_columns; }
    int rowCount() const { return int(m_rows.size()); }
    /// Appends a row; cells beyond the columns are dropped, missing ones are empty.
    /// Its running number is its 1-based place among the rows.
    void append(std::span<const QString> cells);
    /// Appends a row whose cells stand one after the other in text, cell c
    /// ending at ends[c]; there is one end per column.
    void append(QStringView text, std::span<const quint32> ends);
    /// Appends such a row carrying its own running number (a list sorted
    /// after numbering). Rows of one ExportRows are numbered all by their
    /// place or all by their own numbers.
    void append(QStringView text, std::span<const quint32> ends, qint64 number);
    /// Puts the rows in a new order: row i becomes the row that stood at
    /// order[i]. order holds every row once.
    void reorder(std::span<const int> order);
    /// The running number of a row, shown in the grid's column "N.".
    qint64 number(int row) const { return m_numbers.empty() ? row + 1 : m_numbers[size_t(row)]; }
    /// The text of a cell, columns counted from 0.
    QStringView cell(int row, int column) const;

private:
    /// Room for bytes bytes, aligned for the cells' ends, in the last block,
    /// or in a new one when it is full.
    std::byte *roomFor(size_t bytes);

    struct BlockRelease
    {
        size_t bytes;
        void operator()(std::byte *block) const;
    };
    using Block = std::unique_ptr<std::byte[], BlockRelease>;
    static Block allocateBlock(size_t bytes);

    int m_columns;
    std::vector<Block> m_blocks;
    std::byte *m_next = nullptr; // the free room of the last block
    size_t m_roomLeft = 0;
    std::vector<const std::byte *> m_rows; // where each row begins
    std::vector<qint64> m_numbers; // empty: every row's number is its place
};

// The grid of an export window: column 0 is the running number "N.", then
// one column per spreadsheet column with its label as header.
class ExportGrid : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ExportGrid(std::span<const SpreadsheetColumn> columns, QObject *parent = nullptr);

    /// Shows these rows in place of the previous ones.
    void setRows(ExportRows rows);
    const ExportRows &rows() const { return m_rows; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::span<const SpreadsheetColumn> m_columns;
    ExportRows m_rows;
};
