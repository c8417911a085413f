#include "app/DateText.h"

QString DateText::pattern()
{
    return QStringLiteral("dd/MM/yyyy");
}

QString DateText::format(QDate date)
{
    return date.toString(pattern());
}

QDate DateText::parse(const QString &text)
{
    return QDate::fromString(text, pattern());
}
