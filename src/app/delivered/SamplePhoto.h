#pragma once

#include <QImage>

// The sample dog's album photo: our own drawing, made by code at build time,
// of a white and orange pointer standing in a meadow under a summer sky.
namespace SamplePhoto {

/// The picture, as tall as the card's photo box is in proportion.
QImage draw();

} // namespace SamplePhoto
