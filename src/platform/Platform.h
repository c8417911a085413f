#pragma once

#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Printing.h"
#include "platform/Progress.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

// Everything the windows reach outside the program, gathered so that tests can
// swap each piece for a double.
struct Platform
{
    MessageBoxes &messages;
    FileDialogs &fileDialogs;
    Shell &shell;
    Clock &clock;
    Screen &screen;
    Sound &sound;
    Printing &printing;
    Progress &progress;
};
