#include "ui/UnsavedChanges.h"

#include "platform/MessageBoxes.h"

UnsavedChanges::UnsavedChanges(MessageBoxes &messages, QWidget *window, Values values, Save save)
    : m_messages(messages)
    , m_window(window)
    , m_values(std::move(values))
    , m_save(std::move(save))
{
}

QString UnsavedChanges::question()
{
    return QString::fromUtf8("La scheda è stata modificata. Salvare le modifiche?");
}

void UnsavedChanges::remember()
{
    m_remembered = m_values();
}

bool UnsavedChanges::changed() const
{
    return m_remembered && m_values() != *m_remembered;
}

bool UnsavedChanges::allowsLeaving()
{
    if (!changed())
        return true;
    switch (m_messages.cancellableQuestion(m_window, question())) {
    case MessageBoxes::Answer::Yes:
        return m_save();
    case MessageBoxes::Answer::No:
        return true;
    default:
        return false;
    }
}
