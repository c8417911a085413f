#pragma once

#include <QListView>
#include <QStringList>

#include <optional>

class LineListModel;

// The list of one-line descriptions in the list windows (search results,
// summaries, owners to recontact) and in the costs window: lines in a
// fixed-pitch font so that their padded columns line up, each as wide as a
// printed row (1600) so that long lines scroll sideways, scroll bars always
// shown. Model and view, so that
// 100,000 lines cost one string each and no widget. Each line may carry the
// position of the record it describes (PositionRole), so that a window
// reads the record a line stands for again by its position.
class LineList : public QListView
{
    Q_OBJECT

public:
    /// The model's role that holds a line's record position (qint64), when given.
    static constexpr int PositionRole = Qt::UserRole;

    explicit LineList(const QString &objectName, QWidget *parent);

    /// Shows these lines, in this order, none selected; positions, when not
    /// empty, holds the 1-based position of each line's record.
    void setLines(QStringList lines, QList<qint64> positions = {});
    QStringList lines() const;
    QList<qint64> positions() const;
    /// The selected line's row; nothing when no line is selected.
    std::optional<int> selectedRow() const;

Q_SIGNALS:
    /// A double click anywhere in the list, on a line or on the empty part
    /// below the last one (where the view's own doubleClicked says nothing):
    /// the list windows then load the selected line, or close when none is.
    void doubleClickedAnywhere();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    LineListModel *m_model;
};
