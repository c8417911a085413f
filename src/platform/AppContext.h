#pragma once

#include "platform/Platform.h"
#include "storage/ProgramFolder.h"

// What every window needs from outside: where the archives live and the
// platform seams.
struct AppContext
{
    ProgramFolder folder;
    Platform platform;
};
