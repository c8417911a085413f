#pragma once

#include <QString>

#include <array>

class CardFields;

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

// The slots of a dog or owner card, kept by its card fields from the field
// File01 on (the three names, then the three descriptions, in both layouts);
// the card's labels of those fields only show them.
class CardAttachments
{
public:
    CardAttachments(CardFields &fields, int file01)
        : m_fields(fields)
        , m_file01(file01)
    {
    }

    /// The slots, trimmed.
    Attachments value() const;
    /// Keeps the slots, trimmed, and shows them.
    void set(const Attachments &attachments);

private:
    int nameField(int slot) const { return m_file01 + slot; }
    int descriptionField(int slot) const { return m_file01 + int(std::tuple_size_v<Attachments>) + slot; }

    CardFields &m_fields;
    int m_file01;
};
