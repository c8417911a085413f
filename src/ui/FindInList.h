#pragma once

#include <QString>

#include <functional>
#include <optional>

// "Trova" in a list of one-line descriptions (search results, summaries, cost
// and recontact lists): the next line that contains a text, the letters A to Z
// compared without regard to case, walking on from the last line to the
// first. The text of the last find is remembered, so that pressing "Trova"
// again with the same text moves on to the next line that holds it.
// Widget-free: it lives in the core library; ListFinder binds it to a window.
class FindInList
{
public:
    using LineAt = std::function<QString(qsizetype row)>;

    /// Forgets the last text, as every list window does whenever it is shown.
    void forget() { m_memory.clear(); }
    /// The lower-cased text of the last find.
    QString memory() const { return m_memory; }

    /// The row to select after finding typed (as typed, not trimmed) among
    /// count lines while the row selected is selected (0 <= selected < count);
    /// nothing when no line holds the text. A new text is looked for from the
    /// first line, that line included; the same text again from the line after
    /// the selected one, the selected line being tested last. An empty text
    /// is found nowhere.
    std::optional<qsizetype> findNext(qsizetype count, const LineAt &lineAt, qsizetype selected,
                                      QStringView typed);

private:
    QString m_memory;
};
