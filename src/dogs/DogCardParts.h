#pragma once

#include "storage/DogRecord.h"

#include <QList>

#include <initializer_list>

class PictureButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

// Pieces the dog card is built from, shared by its layout files.
namespace DogCardParts {

/// A picture button showing artwork/<name>.svg at the artwork's own size.
PictureButton *pictureButton(const char *objectName, const char *artwork, QWidget *parent);

/// A button with its caption written on it, in the card's font.
QPushButton *captionedButton(const char *objectName, const char *caption, QWidget *parent);

/// One text box with its caption above it. stretch 0 makes the box as wide as
/// a date; a side button (the tax code check, the owner import) sits beside it.
struct Cell
{
    DogRecord::Field field;
    const char *caption;
    int stretch = 1;
    const char *sideButton = nullptr;
    const char *sideArtwork = nullptr;
};
using Row = std::initializer_list<Cell>;

/// Lays out rows of captioned boxes on area; the boxes are appended to boxes
/// in the order given, which is the record order.
void addBoxRows(QWidget *area, std::initializer_list<Row> rows, QList<QLineEdit *> &boxes);

/// A white panel with a thin frame, the look of the head strip and the sections.
QWidget *framedPanel(const char *objectName, QWidget *parent);

} // namespace DogCardParts
