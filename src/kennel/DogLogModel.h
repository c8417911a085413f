#pragma once

#include <QAbstractTableModel>

#include <optional>

// The entries of one of a dog's logs as rows of a table, each row keeping the
// position of its record in the log's file: a pick in the window is that
// position, never a text to look for again. A kind of log says how many rows
// and columns it has and what each cell says; the window's view and the
// printed page read the same texts.
class DogLogModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    /// The position (1-based) in the log's file of the entry on row.
    virtual qint64 positionAt(int row) const = 0;
    /// The row of the entry stored at position, or -1.
    int rowOf(qint64 position) const;

    /// The text of one cell, as shown and printed.
    virtual QString text(int row, int column) const = 0;
    /// The texts of one column, top to bottom.
    QStringList columnTexts(int column) const;

    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

protected:
    /// The caption over a column; none by default.
    virtual QString columnCaption(int column) const;
    /// How a column's cells are aligned; as the view likes by default.
    virtual std::optional<Qt::Alignment> alignment(int column) const;
};
