#pragma once

class QWidget;

namespace BoxStyle {

/// Text boxes under root are drawn Alice blue with a sky-blue border and turn
/// yellow while they have the focus (the card and costs windows' look).
void applyFocusColours(QWidget *root);

} // namespace BoxStyle
