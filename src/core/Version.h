#pragma once

#include <QString>

/// The program's version, the one number the build gives ("0.1"): what
/// --version answers and what the information and splash windows show.
QString programVersion();
