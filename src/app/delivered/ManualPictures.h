#pragma once

#include "help/Manual.h"

#include <QList>
#include <QString>

#include <functional>

class Application;
class QWidget;
struct ManualFigure;

// The manual's pictures, taken by the code that shows the windows: the
// program runs on a sample folder behind seams that ask nothing, and each
// figure's window is opened with the clicks a user would make, grabbed and
// closed.
namespace ManualPictures {

/// What is done with a figure's window while it is open.
using Look = std::function<void(QWidget *window)>;

/// Opens the window of figure in application as a user would, from its start
/// window through its steps, lets it lay itself out and hands it to look
/// before closing it. False, saying why in error, when a button it names is
/// missing or opens nothing.
bool open(Application &application, const ManualFigure &figure, const Look &look, QString &error);

/// Every figure of manualFigures(), in order, with its picture, as the
/// manual takes them. Empty, naming the figure in error, when a button it
/// names is missing or opens nothing, so that the manual never drifts from
/// the windows.
QList<Manual::Figure> take(const QString &sampleFolder, QString &error);

} // namespace ManualPictures
