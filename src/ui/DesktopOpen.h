#pragma once

#include <QString>

class MessageBoxes;
class QWidget;
class Shell;

/// Hands a file the program wrote or ships (an exported document, the
/// manual) to the desktop. When the desktop cannot open it (no program for
/// its kind, a file gone), says so as an error box naming the file and its
/// folder, so that the user can still reach it by hand.
void openWithDesktop(Shell &shell, MessageBoxes &messages, QWidget *owner, const QString &path);
