#pragma once

#include <QSize>

class FocusRectangles;
class QLineEdit;
class QPushButton;
class QString;
class QVBoxLayout;
class QWidget;

// The common look of the password and change-password windows: a fixed-size
// window without system buttons, a white panel with the logo on a gradient,
// masked boxes marked in yellow while they have the focus.
namespace PasswordLook {

/// Sets up window and returns the column of its panel, under the logo.
QVBoxLayout *frame(QWidget *window, QSize clientSize);
/// A masked box in Verdana 14 bold, marked by its yellow rectangle while it
/// has the focus.
QLineEdit *passwordBox(const char *objectName, QWidget *parent, FocusRectangles &rectangles);
QPushButton *button(const char *objectName, const QString &caption, QWidget *parent);

} // namespace PasswordLook
