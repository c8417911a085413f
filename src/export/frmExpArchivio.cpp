#include "export/frmExpArchivio.h"

#include "export/ExportGrid.h"
#include "platform/AppContext.h"
#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/ShortText.h"

namespace {

constexpr int runningNumberWidth = 60;

// The running number "N.", then the spreadsheet's own columns.
std::vector<int> columnWidths(const SpreadsheetFormat &format)
{
    std::vector<int> widths { runningNumberWidth };
    for (const SpreadsheetColumn &column : format.columns)
        widths.push_back(column.width);
    return widths;
}

} // namespace

frmExpArchivio::frmExpArchivio(
    AppContext &context, QWidget *owner, const Description &description, const QString &archivePath)
    : GridWindow(context, owner,
          { description.objectName, description.caption, QStringLiteral(":/export/logo.svg"),
              QStringLiteral("grdArchivio"), columnWidths(description.archive.format), description.archive.format,
              description.helpPage })
    , m_description(description)
    , m_archivePath(archivePath)
{
}

ExportRows frmExpArchivio::readRows() const
{
    return SpreadsheetExports::readArchiveRows(m_archivePath, m_description.archive);
}

void frmExpArchivio::openForDogs(AppContext &context, QWidget *owner)
{
    static const Description description {
        QStringLiteral("frmExpCani"),
        QStringLiteral(" Esporta archivio anagrafico cani in Microsoft Excel"),
        HelpPage::DogExport,
        SpreadsheetExports::dogs(),
    };
    frmExpArchivio window(context, owner, description, context.folder.filePath(DogRecord::fileName));
    window.exec();
}

void frmExpArchivio::openForOwners(AppContext &context, QWidget *owner)
{
    static const Description description {
        QStringLiteral("frmExpClienti"),
        QStringLiteral(" Esporta archivio proprietari in Microsoft Excel"),
        HelpPage::OwnerExport,
        SpreadsheetExports::owners(),
    };
    frmExpArchivio window(context, owner, description, context.folder.filePath(OwnerRecord::fileName));
    window.exec();
}

void frmExpArchivio::openForSchedule(AppContext &context, QWidget *owner, const QString &yearFilePath)
{
    static const Description description {
        QStringLiteral("frmExpScadenzario"),
        QStringLiteral(" Esporta archivio Scadenzario pagamenti"),
        HelpPage::ScheduleExport,
        SpreadsheetExports::schedule(),
    };
    frmExpArchivio window(context, owner, description, trimmedText(yearFilePath));
    window.exec();
}
