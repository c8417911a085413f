#pragma once

#include <QColor>
#include <QDialog>
#include <QSize>

#include <functional>

struct AppContext;
class LinkLabel;
class QPushButton;
class QSvgWidget;

// What the help, information and splash windows share: a fixed-size modal
// window without system buttons on a vertical gradient, the white band with
// the logo, a link with its icon, and "Chiudi".
namespace InfoWindowParts {

/// Sets up window (fixed clientSize, gradient from top to bottom colour).
void frame(QDialog *window, QSize clientSize, QColor top, QColor bottom);
/// A white band across the top of window, height high, with the logo centred.
void logoBand(QWidget *window, int height);
/// The icon (32 × 32, from ":/help/<artwork>.svg") at topLeft and the link
/// beside it; a click on either runs open.
LinkLabel *link(QWidget *parent, QPoint topLeft, const char *iconName, const char *artwork,
    const QString &text, std::function<void()> open);
/// The artwork ":/help/<artwork>.svg" as drawn: its "@VERSIONE@" written as
/// the program's version, so that no picture tells another.
QByteArray artwork(const char *artwork);
/// That artwork as a picture named objectName, at geometry.
QSvgWidget *picture(QWidget *parent, const char *objectName, const char *artwork, QRect geometry);
/// "Chiudi" (`btnChiudi`), which closes window.
QPushButton *closeButton(QDialog *window, QRect geometry);

} // namespace InfoWindowParts
