#pragma once

#include <QImage>
#include <QList>
#include <QString>

// The manual's pictures, taken by the code that shows the windows: the
// program runs on a sample folder behind seams that ask nothing, and each
// figure's window is opened with the clicks a user would make, grabbed and
// closed.
namespace ManualPictures {

/// One picture per figure of manualFigures(), in order. Fails, naming the
/// figure in error, when a button it names is missing or opens nothing, so
/// that the manual never drifts from the windows.
QList<QImage> take(const QString &sampleFolder, QString &error);

} // namespace ManualPictures
