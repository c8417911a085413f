#include "app/BackupActions.h"

#include "backup/Backup.h"
#include "platform/AppContext.h"

#include <QLocale>

namespace BackupActions {

namespace {

    const QString filter = QStringLiteral("Copia di sicurezza (*.zip)");
    const QString backupTitle = QStringLiteral("Crea copia di sicurezza");
    const QString restoreTitle = QStringLiteral("Ripristina copia di sicurezza");

    QString megabytes(qint64 bytes)
    {
        return QLocale().toString(double(bytes) / (1024 * 1024), 'f', 1);
    }

    // What the progress dialog says of a backup or a restore: files and
    // megabytes done of all, the bar following the bytes.
    Progress::Step stepOf(const Backup::Progress &progress)
    {
        using Stage = Backup::Progress::Stage;
        if (progress.stage == Stage::Swapping)
            return { 1, 1, QString::fromUtf8("Sostituzione dei dati del programma con quelli della copia…"), false };
        const QString doing = progress.stage == Stage::Copying
            ? QStringLiteral("Copia dei dati in corso")
            : QStringLiteral("Verifica ed estrazione della copia di sicurezza in corso");
        return { progress.done.bytes, progress.total.bytes,
            QStringLiteral("%1: file %2 di %3 (%4 MB di %5 MB).")
                .arg(doing)
                .arg(progress.done.files)
                .arg(progress.total.files)
                .arg(megabytes(progress.done.bytes), megabytes(progress.total.bytes)) };
    }

    // Runs a backup or a restore away from the windows under the progress
    // dialog, handing it the report that feeds the dialog. False when the
    // user stopped it; its errors come back here, for the caller to show.
    bool underDialog(AppContext &context, QWidget *owner, const QString &title, const QString &firstLabel,
        const std::function<void(const Backup::ProgressReport &)> &work)
    {
        try {
            context.platform.progress.run(owner, title, { 0, 0, firstLabel }, [&](Progress::Reporter &reporter) {
                work([&](const Backup::Progress &progress) { return reporter.report(stepOf(progress)); });
            });
            return true;
        } catch (const Backup::Cancelled &) {
            return false;
        }
    }

} // namespace

void backUp(AppContext &context, QWidget *owner)
{
    const QString proposed = QStringLiteral("Zampora_copia_%1.zip")
                                 .arg(context.platform.clock.today().toString(QStringLiteral("yyyy-MM-dd")));
    const QString path
        = context.platform.fileDialogs.saveFile(owner, { backupTitle, filter, proposed, QStringLiteral("zip") });
    if (path.isEmpty())
        return;
    try {
        Backup::Totals totals;
        // Stopped, it leaves any earlier backup at that path as it was: nothing to say.
        if (!underDialog(context, owner, backupTitle, QString::fromUtf8("Preparazione della copia di sicurezza…"),
                [&](const Backup::ProgressReport &report) { totals = Backup::create(context.folder, path, report); }))
            return;
        context.platform.messages.information(owner, Backup::createdMessage(totals));
    } catch (const Backup::Error &error) {
        context.platform.messages.error(owner, error.message());
    }
}

void restore(AppContext &context, QWidget *owner)
{
    const QString path = context.platform.fileDialogs.openFile(owner, restoreTitle, filter);
    if (path.isEmpty())
        return;
    if (!context.platform.messages.question(owner,
            QStringLiteral("I dati del programma saranno sostituiti da quelli della copia di sicurezza scelta; "
                           "i dati attuali saranno spostati in una cartella a parte.\n\r\n\rProcedere con il ripristino?")))
        return;
    const QDateTime now = context.platform.clock.now();
    try {
        Backup::Restored restored;
        const bool finished = underDialog(context, owner, restoreTitle,
            QString::fromUtf8("Lettura della copia di sicurezza…"), [&](const Backup::ProgressReport &report) {
                restored = Backup::restore(context.folder, path, now, Backup::renameEntry, report);
            });
        // The user was asked to let the data be replaced: a restore stopped
        // says that it was not.
        context.platform.messages.information(owner,
            finished ? Backup::restoredMessage(restored)
                     : QStringLiteral("Il ripristino è stato annullato.\n\r\n\rNessun dato è stato modificato."));
    } catch (const Backup::Error &error) {
        context.platform.messages.error(owner, error.message());
    }
}

} // namespace BackupActions
