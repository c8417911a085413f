#include "core/ProcessFormats.h"

#include <QLocale>

void applyProcessFormats()
{
    QLocale italian(QLocale::Italian, QLocale::Italy);
    // Rejecting "." on reading keeps "1.500" from silently becoming 1500.
    italian.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    QLocale::setDefault(italian);
}
