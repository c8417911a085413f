#include "ui/FindInList.h"

#include "storage/ShortText.h"

std::optional<qsizetype> FindInList::findNext(qsizetype count, const LineAt &lineAt, qsizetype selected,
                                              QStringView typed)
{
    const QString wanted = smallLettersAtoZ(typed);
    const bool again = wanted == m_memory;
    m_memory = wanted;
    if (wanted.isEmpty() || count <= 0)
        return std::nullopt;

    const qsizetype start = again ? (selected + 1) % count : 0;
    for (qsizetype step = 0; step < count; ++step) {
        const qsizetype row = (start + step) % count;
        if (smallLettersAtoZ(lineAt(row)).contains(wanted))
            return row;
    }
    return std::nullopt;
}
