#pragma once

class QWidget;

namespace FocusHighlight {

/// While box has the focus, a yellow rectangle a few pixels larger than it
/// shows behind it (the look of the windows whose boxes keep their own colours).
void attach(QWidget *box);

} // namespace FocusHighlight
