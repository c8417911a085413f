#pragma once

#include <QPoint>
#include <QSize>

/// Where an item of size inner stands centred in an area of size outer. An
/// item larger than the area keeps its top-left corner in view.
constexpr QPoint centredIn(QSize outer, QSize inner)
{
    const int x = (outer.width() - inner.width()) / 2;
    const int y = (outer.height() - inner.height()) / 2;
    return { x > 0 ? x : 0, y > 0 ? y : 0 };
}
