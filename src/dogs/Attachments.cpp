#include "dogs/Attachments.h"

#include "storage/ShortText.h"

#include <QLabel>

namespace {

// Both cards hold their slots in labels named alike; a card without one of
// them reads it as empty.
QLabel *slotLabel(const QWidget *card, const char *kind, int slot)
{
    return card->findChild<QLabel *>(
        QStringLiteral("lbl%1%2").arg(QLatin1StringView(kind)).arg(slot + 1, 2, 10, QLatin1Char('0')));
}

QString labelText(const QWidget *card, const char *kind, int slot)
{
    const QLabel *label = slotLabel(card, kind, slot);
    return label ? trimmedText(label->text()) : QString();
}

void setLabelText(QWidget *card, const char *kind, int slot, const QString &text)
{
    if (QLabel *label = slotLabel(card, kind, slot))
        label->setText(trimmedText(text));
}

} // namespace

Attachments readAttachmentLabels(const QWidget *card)
{
    Attachments attachments;
    for (int slot = 0; slot < int(attachments.size()); ++slot)
        attachments[slot] = { labelText(card, "File", slot), labelText(card, "Desc", slot) };
    return attachments;
}

void writeAttachmentLabels(QWidget *card, const Attachments &attachments)
{
    for (int slot = 0; slot < int(attachments.size()); ++slot) {
        setLabelText(card, "File", slot, attachments[slot].name);
        setLabelText(card, "Desc", slot, attachments[slot].description);
    }
}
