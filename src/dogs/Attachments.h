#pragma once

#include <QString>

#include <array>

class QWidget;

// One attached file of a card: its bare name in the attachment folder and the
// user's description of it.
struct Attachment
{
    QString name;
    QString description;
    bool operator==(const Attachment &) const = default;
};

// The three attachment slots of a dog or owner card.
using Attachments = std::array<Attachment, 3>;

/// The slots held by a card's hidden labels lblFile01..03 and lblDesc01..03, trimmed.
Attachments readAttachmentLabels(const QWidget *card);
/// Puts the slots, trimmed, into the card's hidden labels.
void writeAttachmentLabels(QWidget *card, const Attachments &attachments);
