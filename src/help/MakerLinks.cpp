#include "help/MakerLinks.h"

QString MakerLinks::webAddress()
{
    return QStringLiteral("www.zampora.it");
}

QString MakerLinks::webUrl()
{
    return QStringLiteral("https://") + webAddress();
}

QString MakerLinks::supportAddress()
{
    return QStringLiteral("assistenza@zampora.it");
}

QString MakerLinks::supportMailLink()
{
    return QStringLiteral("mailto:") + supportAddress() + QStringLiteral("?subject=")
        + QStringLiteral("Software Zampora") + QStringLiteral("&body=")
        + QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:");
}
