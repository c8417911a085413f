#pragma once

#include "kennel/HealthDue.h"

#include <QLabel>

struct AppContext;
class QPushButton;

// The dot in the corner of the dog card's health booklet button: red while
// something of the dog's booklet is overdue, amber while something is due
// within its notice, and nothing otherwise. The button's tooltip says the
// same in words.
class HealthBadge : public QLabel
{
    Q_OBJECT

public:
    explicit HealthBadge(QPushButton *button);

    /// Shows the state of the booklet of the dog stored at position (blank
    /// for a card not stored) on the context's today. The booklet is read
    /// once and quietly: the card moves on without a box, so a booklet that
    /// cannot be read, like a missing one, shows no dot.
    void showFor(AppContext &context, const QString &position);
    /// Overdue, DueSoon or nothing.
    void display(HealthDue::State state);

private:
    QPushButton *m_button;
};
