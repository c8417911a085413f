#pragma once

#include "kennel/DogLogModel.h"
#include "kennel/HealthBooklet.h"

#include <QDate>
#include <QList>

// The entries of a dog's health booklet as rows of a table, in date order:
// the date, the kind, the vaccine or product, the batch, the veterinarian,
// the result, the next due date and its state on the day the booklet was
// read. The window's table and the printed page read the same texts; the
// state travels with the Stato cell as stateRole, for the window to colour.
class HealthTable : public DogLogModel
{
    Q_OBJECT

public:
    enum Column { Data, Tipo, Cosa, Lotto, Veterinario, Esito, Scadenza, Stato, ColumnCount };
    /// The HealthDue::State of a row, as an int, on every cell.
    static constexpr int stateRole = Qt::UserRole + 1;

    using DogLogModel::DogLogModel;

    /// Shows a dog's entries (in date order) with their states on today.
    void setBooklet(const QList<HealthBooklet::Entry> &entries, QDate today);
    const QList<HealthBooklet::Entry> &entries() const { return m_entries; }
    qint64 positionAt(int row) const override { return m_entries[row].position; }
    HealthDue::State stateAt(int row) const { return m_states[row]; }

    /// The most pressing state of the entries on today: Overdue before
    /// DueSoon before anything else (None then).
    static HealthDue::State mostPressing(const QList<HealthBooklet::Entry> &entries, QDate today);

    QString text(int row, int column) const override;
    static QString caption(int column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

protected:
    QString columnCaption(int column) const override { return caption(column); }
    std::optional<Qt::Alignment> alignment(int column) const override;

private:
    QList<HealthBooklet::Entry> m_entries;
    QList<HealthDue::State> m_states;
};
