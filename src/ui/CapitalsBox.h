#pragma once

class QLineEdit;

// Boxes that keep their text in shape while the user types: each call
// replaces the box's text, the cursor staying beside the character it was
// next to. Capitals change only the letters a to z.
namespace CapitalsBox {

/// Trimmed at both ends and with a to z in capitals.
void tidy(QLineEdit *box);
/// a to z in capitals; blanks are kept.
void capitalise(QLineEdit *box);
/// Trimmed at both ends; letters are kept as typed.
void trim(QLineEdit *box);

} // namespace CapitalsBox
