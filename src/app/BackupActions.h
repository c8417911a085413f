#pragma once

struct AppContext;
class QWidget;

// The main menu's backup and restore: the user picks the ZIP file, the work
// is done by the backup library, and a box tells how it went.
namespace BackupActions {

/// Asks where to write the backup, writes it and reports.
void backUp(AppContext &context, QWidget *owner);
/// Asks for the backup to restore, confirms, verifies and restores it.
void restore(AppContext &context, QWidget *owner);

} // namespace BackupActions
