#pragma once

class QFileDialog;

// The toolkit's own texts (the buttons of message boxes, the file, print and
// preview dialogs) in Italian, like every other text of the program.
namespace ToolkitTexts {

/// Makes Italian the default locale and installs Qt's Italian translations,
/// then the program's own for the texts Qt's Italian catalogue lacks; false
/// when the system has no Qt catalogue (Debian's qt6-translations-l10n), the
/// program's own texts being installed all the same.
bool installItalian();

/// Has the file dialog list the files' dates and sizes as the default
/// (Italian) locale writes them.
void useItalianFormats(QFileDialog &dialog);

} // namespace ToolkitTexts
