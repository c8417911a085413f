#pragma once

#include "dogs/Attachments.h"

#include <QDialog>

#include <optional>

struct AppContext;
class AttachmentSlot;
class QLabel;

// The attach-files window of the dog card (mode "cani") and of the owner card
// (mode "clienti"): three slots, each a file copied into the attachment folder
// and its description. The card's slots change only when the user applies.
class frmAllegaCartella : public QDialog
{
    Q_OBJECT

public:
    frmAllegaCartella(AppContext &context, QWidget *owner, const QString &mode, const Attachments &current);

    /// Edits a card's slots in this window, shown modally over the card; they
    /// change only when the user applies.
    static void editCardAttachments(
        AppContext &context, QWidget *card, const QString &mode, CardAttachments slots);

    /// The slots as the user applied them; empty until "Applica e chiudi".
    std::optional<Attachments> applied() const { return m_applied; }

private:
    Attachments shown() const;
    void apply();

    std::array<AttachmentSlot *, 3> m_slots {};
    std::optional<Attachments> m_applied;
};
