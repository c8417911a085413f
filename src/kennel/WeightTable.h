#pragma once

#include "kennel/WeightLog.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QList>

// The weighings of a dog's weight log as rows of a table, in date order: the
// date, the weight, the change from the weighing before and, while the dog
// is young, the average daily gain since then, and the note. The window's
// table and the printed page read the same texts.
class WeightTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Data, Peso, Variazione, Crescita, Note, ColumnCount };

    explicit WeightTable(QObject *parent = nullptr);

    /// Shows the weighings (in date order) of a dog born on birth (invalid
    /// when unknown).
    void setLog(const QList<WeightLog::Weighing> &weighings, QDate birth);
    const QList<WeightLog::Weighing> &weighings() const { return m_weighings; }
    /// The row of the weighing stored at a position of the file, or -1.
    int rowOf(qint64 position) const;

    /// The text of one cell, as shown and printed.
    QString text(int row, int column) const;
    /// The column captions.
    static QString caption(int column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<WeightLog::Weighing> m_weighings;
    QDate m_birth;
    int m_places = 2; // of every weight and change, so that the columns line up
};
