#include "app/BackupActions.h"

#include "backup/Backup.h"
#include "platform/AppContext.h"

#include <QCursor>
#include <QGuiApplication>

namespace BackupActions {

namespace {

    const QString filter = QStringLiteral("Copia di sicurezza (*.zip)");

    // Copying a large folder takes a while; the pointer says so.
    template<typename Work>
    void busy(Work &&work)
    {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        try {
            work();
        } catch (...) {
            QGuiApplication::restoreOverrideCursor();
            throw;
        }
        QGuiApplication::restoreOverrideCursor();
    }

} // namespace

void backUp(AppContext &context, QWidget *owner)
{
    const QString proposed = QStringLiteral("Zampora_copia_%1.zip")
                                 .arg(context.platform.clock.today().toString(QStringLiteral("yyyy-MM-dd")));
    const QString path = context.platform.fileDialogs.saveFile(
        owner, { QStringLiteral("Crea copia di sicurezza"), filter, proposed, QStringLiteral("zip") });
    if (path.isEmpty())
        return;
    try {
        Backup::Totals totals;
        busy([&] { totals = Backup::create(context.folder, path); });
        context.platform.messages.information(owner, Backup::createdMessage(totals));
    } catch (const Backup::Error &error) {
        context.platform.messages.error(owner, error.message());
    }
}

void restore(AppContext &context, QWidget *owner)
{
    const QString path
        = context.platform.fileDialogs.openFile(owner, QStringLiteral("Ripristina copia di sicurezza"), filter);
    if (path.isEmpty())
        return;
    if (!context.platform.messages.question(owner,
            QStringLiteral("I dati del programma saranno sostituiti da quelli della copia di sicurezza scelta; "
                           "i dati attuali saranno spostati in una cartella a parte.\n\r\n\rProcedere con il ripristino?")))
        return;
    try {
        Backup::Restored restored;
        busy([&] { restored = Backup::restore(context.folder, path, context.platform.clock.now()); });
        context.platform.messages.information(owner, Backup::restoredMessage(restored));
    } catch (const Backup::Error &error) {
        context.platform.messages.error(owner, error.message());
    }
}

} // namespace BackupActions
