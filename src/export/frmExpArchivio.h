#pragma once

#include "export/GridWindow.h"
#include "export/SpreadsheetExports.h"
#include "help/HelpPages.h"

struct AppContext;

// The spreadsheet export of a whole archive (dogs, owners, one schedule year):
// the archive's records in a grid, read when the window is shown, and the
// buttons to export them, to read the help and to leave. The three archives
// share this window, each with its own description.
class frmExpArchivio : public GridWindow
{
    Q_OBJECT

public:
    // What tells one archive's export window from the others.
    struct Description
    {
        QString objectName;
        QString caption;
        HelpPage helpPage;
        const SpreadsheetExports::ArchiveExport &archive;
    };

    /// archivePath is the record file the grid is filled from.
    frmExpArchivio(
        AppContext &context, QWidget *owner, const Description &description, const QString &archivePath);

    // The export buttons (`cmdEsporta`) of the three archive windows: each
    // shows its export window modally over owner and destroys it on closing.

    /// frmExpCani, over the dog archive.
    static void openForDogs(AppContext &context, QWidget *owner);
    /// frmExpClienti, over the owner archive.
    static void openForOwners(AppContext &context, QWidget *owner);
    /// frmExpScadenzario, over the year file the schedule window shows
    /// (its full path, as the window holds it; it is trimmed here).
    static void openForSchedule(AppContext &context, QWidget *owner, const QString &yearFilePath);

protected:
    ExportRows readRows() const override;

private:
    const Description m_description;
    const QString m_archivePath;
};
