#pragma once

#include "ui/Theme.h"

#include <QString>

#include <initializer_list>

class GradientWidget;
class PictureButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QWidget;
class RecordLayout;

// The pieces the windows of a dog's logs are built from, so that every log
// looks alike: the blue background, white titles, framed white panels, navy
// captions, the date box with its "today" button and the row of buttons.
namespace DogLogParts {

/// A gradient background named objectName at geometry on the window.
GradientWidget *background(const char *objectName, const QRect &geometry, QWidget *window);

/// A label with its objectName (empty for a caption no one looks up).
QLabel *label(const char *objectName, const char *text, QWidget *parent);

/// A white title centred in geometry on the blue, in face.
QLabel *title(const char *objectName, const char *text, const QRect &geometry, Theme::Font face, QWidget *parent);

/// The navy caption of a box.
QLabel *caption(const char *text, QWidget *parent);

/// A white panel with a thin frame at geometry, as the dog card's sections.
QWidget *whitePanel(const char *objectName, const QRect &geometry, QWidget *parent);

/// The date box of a log's record (its field dateField) and beside it the
/// calendar button "impData" that writes today's date into it.
struct DateBox
{
    QLineEdit *box;
    PictureButton *today;
};
DateBox dateBox(const RecordLayout &layout, int dateField, QWidget *parent);

/// One button of a row: where the form keeps it, its objectName and caption.
struct RowButton
{
    QPushButton **made;
    const char *objectName;
    const char *caption;
};

/// The row of buttons along the bottom of a window, left to right, sharing
/// geometry's width.
void buttonRow(const QRect &geometry, int spacing, std::initializer_list<RowButton> buttons, QWidget *parent);

} // namespace DogLogParts
