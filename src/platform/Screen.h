#pragma once

#include <QSize>

// Size of the screen the application's windows appear on.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual QSize size() const = 0;
};
