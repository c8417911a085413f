#include "app/ProcessFormats.h"

#include <QLocale>

void applyProcessFormats()
{
    QLocale italian(QLocale::Italian, QLocale::Italy);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(italian);
}
