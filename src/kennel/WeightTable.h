#pragma once

#include "kennel/DogLogModel.h"
#include "kennel/WeightLog.h"

#include <QDate>
#include <QList>

// The weighings of a dog's weight log as rows of a table, in date order: the
// date, the weight, the change from the weighing before and, while the dog
// is young, the average daily gain since then, and the note. The window's
// table and the printed page read the same texts.
class WeightTable : public DogLogModel
{
    Q_OBJECT

public:
    enum Column { Data, Peso, Variazione, Crescita, Note, ColumnCount };

    using DogLogModel::DogLogModel;

    /// Shows the weighings (in date order) of a dog born on birth (invalid
    /// when unknown).
    void setLog(const QList<WeightLog::Weighing> &weighings, QDate birth);
    const QList<WeightLog::Weighing> &weighings() const { return m_weighings; }
    qint64 positionAt(int row) const override { return m_weighings[row].position; }

    QString text(int row, int column) const override;
    /// The column captions.
    static QString caption(int column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;

protected:
    QString columnCaption(int column) const override { return caption(column); }
    std::optional<Qt::Alignment> alignment(int column) const override;

private:
    QList<WeightLog::Weighing> m_weighings;
    QDate m_birth;
    int m_places = 2; // of every weight and change, so that the columns line up
};
