#pragma once

#include "platform/Platform.h"
#include "storage/ProgramFolder.h"

// What every window needs from outside: where the archives live and the
// platform seams.
struct AppContext
{
    ProgramFolder folder;
    Platform platform;
    /// The folder the user last saved a document into during this session,
    /// where the next document's save dialog opens; empty before the first.
    QString lastDocumentFolder {};
};
