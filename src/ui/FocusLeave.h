#pragma once

#include <functional>

class QWidget;

/// Runs action each time the user moves the focus out of control: to another
/// control, by Tab, Enter or a click. The focus going to another window (a
/// message box) or to the control's own pop-up is not leaving it.
void whenFocusLeaves(QWidget *control, std::function<void()> action);
