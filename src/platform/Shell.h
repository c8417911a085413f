#pragma once

#include <QString>

// Hands a document, folder, web address or "mailto:" link to the desktop so
// that the associated program opens it. Never goes through a command line.
class Shell
{
public:
    virtual ~Shell() = default;
    /// Returns false when the desktop refused the request.
    virtual bool openUrl(const QString &pathOrAddress) = 0;
};
