#include "checks/CheckText.h"

#include "storage/ShortText.h"

QString capitalsAtoZ(QStringView text)
{
    QString capitals = text.toString();
    for (QChar &c : capitals)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return capitals;
}

QString tidiedCheckText(QStringView text)
{
    return capitalsAtoZ(trimmedText(text));
}
