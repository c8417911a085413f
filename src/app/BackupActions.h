#pragma once

struct AppContext;
class QWidget;

// The main menu's backup and restore: the user picks the ZIP file, the backup
// library does the work away from the windows under a progress dialog (which
// can stop it while stopping changes nothing), and a box tells how it went.
namespace BackupActions {

/// Asks where to write the backup, writes it and reports.
void backUp(AppContext &context, QWidget *owner);
/// Asks for the backup to restore, confirms, verifies and restores it.
void restore(AppContext &context, QWidget *owner);

} // namespace BackupActions
