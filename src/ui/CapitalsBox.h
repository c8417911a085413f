#pragma once

class QLineEdit;

namespace CapitalsBox {

/// Replaces the box's text with itself trimmed and with a to z in capitals,
/// the cursor staying beside the character it was next to.
void tidy(QLineEdit *box);

} // namespace CapitalsBox
