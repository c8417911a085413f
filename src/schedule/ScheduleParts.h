#pragma once

#include "ui/CardParts.h"

#include <QColor>
#include <QRect>

class PictureButton;
class QLabel;
class QPushButton;
class QWidget;

// Pieces both views of the schedule window are built from.
namespace ScheduleParts {

/// A picture button showing ":/schedule/<artwork>.svg" at the artwork's size,
/// named for assistive tools by the words its artwork shows.
PictureButton *pictureButton(const char *objectName, const char *artwork, const char *words, QWidget *parent);

/// A plain picture from ":/schedule/<artwork>.svg".
QWidget *picture(const char *objectName, const char *artwork, QRect geometry, QWidget *parent);

/// A text in the views' caption font.
QLabel *caption(const QString &text, QWidget *parent);

/// A button with its caption written on it, as on the cards.
using CardParts::captionedButton;

/// A rectangle of one colour, with rounded corners and, when border is
/// valid, a thin border of that colour.
QWidget *panel(const char *objectName, QColor background, QRect geometry, QWidget *parent, QColor border = {});

} // namespace ScheduleParts
