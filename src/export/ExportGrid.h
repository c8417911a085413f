#pragma once

#include "export/SpreadsheetDocument.h"

#include <QAbstractTableModel>
#include <QList>

#include <vector>

// Rows of cell texts, each row kept as one text with the cells' ends beside
// it, so that an archive of many thousands of cards costs little more memory
// than its texts.
class ExportRows
{
public:
    explicit ExportRows(int columns)
        : m_columns(columns)
    {
    }

    int columnCount() const { return m_columns; }
    int rowCount() const { return int(m_texts.size()); }
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
    int m_columns;
    QList<QString> m_texts;
    // Cell c of row r ends at m_ends[r * columns + c] in the row's text.
    std::vector<quint32> m_ends;
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
