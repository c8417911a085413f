#include "ui/CardController.h"

#include "ui/ArchiveWindow.h"

#include <QAbstractButton>

CardController::CardController(MessageBoxes &messages, ArchiveWindow *window, CardContent &content, Setup setup)
    : m_messages(messages)
    , m_window(window)
    , m_content(content)
    , m_navigator(messages, window, setup.positionLabel, setup.layout, std::move(setup.filePath),
                  [this](const Record &record, qint64 position) { show(record, position); },
                  std::move(setup.appendedMessage))
    , m_unsaved(messages, window, [this] { return m_content.cardValues(); }, [this] { return save(); })
{
    m_navigator.guardMovesWith(m_unsaved);
    const Buttons &buttons = setup.buttons;
    const auto onClick = [window](QAbstractButton *button, auto action) {
        QObject::connect(button, &QAbstractButton::clicked, window, action);
    };
    onClick(buttons.newCard, [this] {
        if (m_window->mayLeaveCard())
            clear();
    });
    onClick(buttons.save, [this] { save(); });
    onClick(buttons.duplicate, [this] { duplicate(); });
    onClick(buttons.first, [this] { m_navigator.first(); });
    onClick(buttons.previous, [this] { m_navigator.previous(); });
    onClick(buttons.next, [this] { m_navigator.next(); });
    onClick(buttons.last, [this] { m_navigator.last(); });
    onClick(buttons.exit, [window] { window->close(); });
}

void CardController::show(const Record &record, qint64 position)
{
    m_navigator.shown(record, position);
    m_content.showValues(record);
    m_unsaved.remember();
}

void CardController::clear()
{
    m_navigator.forgetPosition();
    m_content.blankValues();
    m_unsaved.remember();
}

bool CardController::save()
{
    const std::optional<Record> record = m_content.checkedRecord();
    if (!record)
        return false;
    const auto saved = m_navigator.save(*record);
    if (!saved)
        return false;
    m_content.afterSave();
    m_unsaved.remember();
    m_navigator.confirm(*saved);
    return true;
}

void CardController::duplicate()
{
    if (!m_navigator.allowsDuplicate())
        return;
    // The copy is changed from what was remembered until it is saved: leaving
    // it asks first.
    m_navigator.forgetPosition();
    if (!m_content.startCopy())
        return;
    m_messages.information(m_window,
        QString::fromUtf8("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                          "Al termine premere Salva per inserire la scheda in archivio."));
}
