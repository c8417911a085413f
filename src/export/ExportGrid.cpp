#include "export/ExportGrid.h"

#include <cstdlib>
#include <cstring>
#include <new>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

void ExportRows::append(std::span<const QString> cells)
{
    QString text;
    std::vector<quint32> ends;
    for (size_t column = 0; column < size_t(m_columns); ++column) {
        if (column < cells.size())
            text += cells[column];
        ends.push_back(quint32(text.size()));
    }
    append(text, ends);
}

namespace {

// The first block of rows is small, taken from the heap, so that a short
// list costs little; every later one is a large page, so that a big archive
// takes few blocks and few page faults.
constexpr size_t firstBlockBytes = 64 << 10;
constexpr size_t largePageBytes = 2 << 20;

// A row's cells' ends stand before its text; the room of every row is
// rounded up so that the next row's ends are aligned.
constexpr size_t rowBytes(size_t columns, size_t textLength)
{
    const size_t bytes = columns * sizeof(quint32) + textLength * sizeof(char16_t);
    return (bytes + alignof(quint32) - 1) & ~(alignof(quint32) - 1);
}

} // namespace

// Each page of fresh memory costs a fault on its first write. On large pages a
// list of a hundred thousand rows takes a few hundred faults instead of tens
// of thousands, which would cost more than the whole reading of the archive:
// a large block is mapped on its own, starting on a large page, and advised
// so. Where the system has no such mappings, or refuses the advice, pages are
// small.
ExportRows::Block ExportRows::allocateBlock(size_t bytes)
{
#if __has_include(<sys/mman.h>)
    if (bytes >= largePageBytes) {
        // Mapped with a large page to spare, then cut to begin on a large page.
        auto *const mapped = static_cast<std::byte *>(
            mmap(nullptr, bytes + largePageBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        if (mapped == MAP_FAILED)
            throw std::bad_alloc();
        const size_t head = (largePageBytes - quintptr(mapped) % largePageBytes) % largePageBytes;
        std::byte *const block = mapped + head;
        if (head > 0)
            munmap(mapped, head);
        munmap(block + bytes, largePageBytes - head);
#ifdef MADV_HUGEPAGE
        madvise(block, bytes, MADV_HUGEPAGE);
#endif
        return Block(block, BlockRelease { bytes });
    }
#endif
    auto *const block = static_cast<std::byte *>(std::malloc(bytes));
    if (!block)
        throw std::bad_alloc();
    return Block(block, BlockRelease { bytes });
}

void ExportRows::BlockRelease::operator()(std::byte *block) const
{
#if __has_include(<sys/mman.h>)
    if (bytes >= largePageBytes) {
        munmap(block, bytes);
        return;
    }
#endif
    std::free(block);
}

std::byte *ExportRows::roomFor(size_t bytes)
{
    if (bytes > m_roomLeft) {
        // A row larger than a block gets a block of its own, as many pages long.
        const size_t size = m_blocks.empty() && bytes <= firstBlockBytes
            ? firstBlockBytes
            : (bytes + largePageBytes - 1) & ~(largePageBytes - 1);
        m_blocks.push_back(allocateBlock(size));
        m_next = m_blocks.back().get();
        m_roomLeft = size;
    }
    std::byte *room = m_next;
    m_next += bytes;
    m_roomLeft -= bytes;
    return room;
}

void ExportRows::append(QStringView text, std::span<const quint32> ends)
{
    Q_ASSERT(ends.size() == size_t(m_columns) && (ends.empty() || ends.back() == text.size()));
    std::byte *row = roomFor(rowBytes(ends.size(), size_t(text.size())));
    std::byte *textStart = row + ends.size_bytes();
    // An empty span or text may point nowhere, and memcpy must never be handed a null pointer.
    if (!ends.empty())
        std::memcpy(row, ends.data(), ends.size_bytes());
    if (!text.isEmpty())
        std::memcpy(textStart, text.utf16(), size_t(text.size()) * sizeof(char16_t));
    m_rows.push_back(row);
}

void ExportRows::append(QStringView text, std::span<const quint32> ends, qint64 number)
{
    Q_ASSERT(m_numbers.size() == m_rows.size());
    append(text, ends);
    m_numbers.push_back(number);
}

void ExportRows::reorder(std::span<const int> order)
{
    Q_ASSERT(order.size() == m_rows.size());
    std::vector<const std::byte *> rows;
    rows.reserve(m_rows.size());
    std::vector<qint64> numbers;
    numbers.reserve(m_numbers.size());
    for (const int row : order) {
        rows.push_back(m_rows[size_t(row)]);
        if (!m_numbers.empty())
            numbers.push_back(m_numbers[size_t(row)]);
    }
    m_rows = std::move(rows);
    m_numbers = std::move(numbers);
}

QStringView ExportRows::cell(int row, int column) const
{
    const std::byte *start = m_rows[size_t(row)];
    const auto *ends = reinterpret_cast<const quint32 *>(start);
    const auto *text = reinterpret_cast<const char16_t *>(start + size_t(m_columns) * sizeof(quint32));
    const quint32 begin = column == 0 ? 0 : ends[column - 1];
    return QStringView(text + begin, ends[column] - begin);
}

ExportGrid::ExportGrid(std::span<const SpreadsheetColumn> columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(columns)
    , m_rows(int(columns.size()))
{
}

void ExportGrid::setRows(ExportRows rows)
{
    Q_ASSERT(rows.columnCount() == int(m_columns.size()));
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int ExportGrid::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.rowCount();
}

int ExportGrid::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size()) + 1;
}

QVariant ExportGrid::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (index.column() == 0)
        return QString::number(m_rows.number(index.row()));
    return m_rows.cell(index.row(), index.column() - 1).toString();
}

QVariant ExportGrid::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0
        || section > int(m_columns.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? QStringLiteral("N.") : m_columns[section - 1].label.toString();
}
