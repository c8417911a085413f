#pragma once

#include <QFont>

// The windows name the fonts of their original platform (Arial, Courier New,
// Verdana, Tahoma); on Linux these resolve to their metric-compatible twins so
// that captions keep the width their fixed layouts were drawn for.
namespace Fonts {

/// Maps Arial and Courier New to Liberation Sans and Mono, Verdana and Tahoma
/// to DejaVu Sans. Call once, after the QApplication exists and before any
/// window is shown.
void installSubstitutes();

/// A fixed-pitch font of that family, falling back to another fixed-pitch
/// family when it is missing, so column-aligned text stays aligned whatever is
/// installed.
QFont fixedPitch(const QString &family, int pointSize, bool bold = false);

} // namespace Fonts
