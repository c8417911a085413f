#pragma once

#include <QString>

struct AppContext;
class QWidget;

/// Opens the folder associated with the stored dog at position in the desktop's
/// file browser, creating it on first use. A card not stored yet (blank
/// position) gets a warning; a folder that cannot be made or opened, an error.
void openAssociatedFolder(AppContext &context, QWidget *owner, const QString &position);
