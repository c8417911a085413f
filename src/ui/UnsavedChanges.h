#pragma once

#include <QStringList>

#include <functional>
#include <optional>

class MessageBoxes;
class QWidget;

// A card on screen is a working copy; this keeps what it showed when a record
// was last shown, the card cleared or saved, so that an action about to
// replace the card or close its window can tell whether anything typed since
// would be lost. Only then it asks, once, whether to save first.
//
// The unchanged state is taken only when the card says so (remember()), once
// it shows what it stands for: taken earlier, while the card's controls are
// still being built or filled, it would hold the wrong values. Until then
// nothing counts as changed.
class UnsavedChanges
{
public:
    /// The card's values, in a fixed order: what Save would store.
    using Values = std::function<QStringList()>;
    /// The card's own Save, with its checks and messages; true when stored.
    using Save = std::function<bool()>;

    UnsavedChanges(MessageBoxes &messages, QWidget *window, Values values, Save save);

    /// "La scheda è stata modificata. Salvare le modifiche?"
    static QString question();

    /// Takes the values shown now as the card's unchanged state.
    void remember();
    bool changed() const;

    /// Before the card is replaced or closed. An unchanged card goes on at
    /// once; otherwise the question: Yes saves and goes on only when the save
    /// went through, No goes on, Cancel stays with the card as it is.
    bool allowsLeaving();

private:
    MessageBoxes &m_messages;
    QWidget *m_window;
    Values m_values;
    Save m_save;
    std::optional<QStringList> m_remembered;
};
