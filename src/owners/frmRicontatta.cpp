#include "owners/frmRicontatta.h"

#include "platform/AppContext.h"
#include "search/ResultLines.h"
#include "storage/Flags.h"
#include "storage/OwnerRecord.h"

namespace {

const FlaggedListWindow::Description &ownersToRecontact()
{
    static const FlaggedListWindow::Description description { QStringLiteral("frmRicontatta"),
        QStringLiteral(" Riepilogo proprietari da ricontattare"),
        QStringLiteral(":/owners/recontact/logo_ricontatta.svg"), QStringLiteral("panRicontatta"),
        QStringLiteral("Riepilogo proprietari da ricontattare"), OwnerRecord::layout(), OwnerRecord::Ricontatta,
        FlagText::yes(), ResultLines::ownerToRecontact };
    return description;
}

} // namespace

frmRicontatta::frmRicontatta(AppContext &context, QWidget *ownerCard, ShowRecord showOwner)
    : FlaggedListWindow(context, ownerCard, ownersToRecontact(), context.folder.filePath(OwnerRecord::fileName),
                        std::move(showOwner))
{
}

void frmRicontatta::open(AppContext &context, QWidget *ownerCard, ShowRecord showOwner)
{
    frmRicontatta window(context, ownerCard, std::move(showOwner));
    window.exec();
}
