#include "storage/RecordLayout.h"

int RecordLayout::indexOf(QStringView name) const
{
    for (int i = 0; i < fieldCount(); ++i) {
        if (name == m_fields[i].name)
            return i;
    }
    return -1;
}
