#pragma once

#include <QList>
#include <QWidget>

// The yellow rectangle that marks the focused text box on the owner card, the
// schedule, the password and the search windows: 4 units larger than the box
// on every side, drawn behind it, hidden while no followed box has the focus.
class FocusHighlight : public QWidget
{
    Q_OBJECT

public:
    explicit FocusHighlight(QWidget *window);

    /// Shows the highlight behind box whenever box (or a part of it, such as
    /// a drop-down box's text) has the focus.
    void follow(QWidget *box);

    /// The box the highlight stands behind, or nullptr while hidden.
    QWidget *highlighted() const { return m_box; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusMoved(QWidget *now);
    void standBehind(QWidget *box);

    QList<QWidget *> m_followed;
    QWidget *m_box = nullptr;
};
