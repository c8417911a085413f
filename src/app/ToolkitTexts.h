#pragma once

// The toolkit's own texts (the buttons of message boxes, the file, print and
// preview dialogs) in Italian, like every other text of the program.
namespace ToolkitTexts {

/// Installs Qt's Italian translations into the running application; false
/// when the system has none (Debian's qt6-translations-l10n).
bool installItalian();

} // namespace ToolkitTexts
