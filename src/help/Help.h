#pragma once

#include "help/HelpPages.h"

struct AppContext;
class QWidget;

/// What every help button does: shows page in a new help window, modally over
/// owner, and destroys the window when it closes. For example, in a window's
/// constructor:
///     connect(cmdGuida, &PictureButton::clicked, this,
///             [this] { openHelp(m_context, this, HelpPage::Owners); });
void openHelp(AppContext &context, QWidget *owner, HelpPage page);
