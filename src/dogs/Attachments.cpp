#include "dogs/Attachments.h"

#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/ShortText.h"
#include "ui/CardFields.h"

// Both cards keep the names, then the descriptions, one after the other.
static_assert(DogRecord::Desc01 == DogRecord::File01 + 3 && DogRecord::Desc03 == DogRecord::File01 + 5);
static_assert(
    OwnerRecord::Desc01 == OwnerRecord::File01 + 3 && OwnerRecord::Desc03 == OwnerRecord::File01 + 5);

Attachments CardAttachments::value() const
{
    Attachments attachments;
    for (int slot = 0; slot < int(attachments.size()); ++slot)
        attachments[slot] = { m_fields.value(nameField(slot)), m_fields.value(descriptionField(slot)) };
    return attachments;
}

void CardAttachments::set(const Attachments &attachments)
{
    for (int slot = 0; slot < int(attachments.size()); ++slot) {
        m_fields.setValue(nameField(slot), trimmedText(attachments[slot].name));
        m_fields.setValue(descriptionField(slot), trimmedText(attachments[slot].description));
    }
}
