#pragma once

#include <QDate>
#include <QDateTime>

// Today's date and the current time; nothing else reads the real clock.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};
