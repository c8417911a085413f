#pragma once

#include <QString>

// The folder every archive, photo, folder and attachment lives in: the
// executable's folder, or the one given on the command line.
class ProgramFolder
{
public:
    explicit ProgramFolder(const QString &path);

    QString path() const { return m_path; }
    /// Path of a file or folder inside the program folder. The relative name uses
    /// '/' between folders; the result uses the platform's separator.
    QString filePath(const QString &relative) const;

private:
    QString m_path;
};
