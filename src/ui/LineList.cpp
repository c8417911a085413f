#include "ui/LineList.h"
#include "ui/Theme.h"


#include <QAbstractListModel>
#include <QMouseEvent>

namespace {

constexpr int lineWidth = 1600;

} // namespace

// Read-only lines with one size for all, so that the view lays out 100,000
// lines without asking each one.
class LineListModel : public QAbstractListModel
{
public:
    LineListModel(int lineHeight, QObject *parent)
        : QAbstractListModel(parent)
        , m_lineSize(lineWidth, lineHeight)
    {
    }

    void setLines(QStringList lines, QList<qint64> positions)
    {
        Q_ASSERT(positions.isEmpty() || positions.size() == lines.size());
        beginResetModel();
        m_lines = std::move(lines);
        m_positions = std::move(positions);
        endResetModel();
    }
    const QStringList &lines() const { return m_lines; }
    const QList<qint64> &positions() const { return m_positions; }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_lines.size()); }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_lines.size())
            return {};
        switch (role) {
        case Qt::DisplayRole:
            return m_lines[index.row()];
        case Qt::SizeHintRole:
            return m_lineSize;
        case LineList::PositionRole:
            return m_positions.isEmpty() ? QVariant() : QVariant(m_positions[index.row()]);
        default:
            return {};
        }
    }

private:
    QSize m_lineSize;
    QStringList m_lines;
    QList<qint64> m_positions; // empty, or one for each line
};

LineList::LineList(const QString &objectName, QWidget *parent)
    : QListView(parent)
{
    setObjectName(objectName);
    setFont(Theme::font(Theme::Font::Lines));
    QPalette colours = palette();
    colours.setColor(QPalette::Text, QColor(0xFF000000));
    setPalette(colours);
    m_model = new LineListModel(fontMetrics().height() + 2, this);
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
}

void LineList::setLines(QStringList lines, QList<qint64> positions)
{
    m_model->setLines(std::move(lines), std::move(positions));
}

QStringList LineList::lines() const
{
    return m_model->lines();
}

QList<qint64> LineList::positions() const
{
    return m_model->positions();
}

void LineList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClickedAnywhere();
}

std::optional<int> LineList::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first().row();
}
