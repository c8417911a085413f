#pragma once

#include <QPoint>
#include <QSize>

/// Where an item of size inner stands centred in an area of size outer.
constexpr QPoint centredIn(QSize outer, QSize inner)
{
    return { (outer.width() - inner.width()) / 2, (outer.height() - inner.height()) / 2 };
}
