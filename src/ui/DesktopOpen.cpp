#include "ui/DesktopOpen.h"

#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

#include <QDir>
#include <QFileInfo>

void openWithDesktop(Shell &shell, MessageBoxes &messages, QWidget *owner, const QString &path)
{
    if (shell.openUrl(path))
        return;
    const QFileInfo file(path);
    messages.error(owner,
        QStringLiteral("Attenzione: non è stato possibile aprire il file %1.\n\r\n\rIl file si trova nella cartella %2.")
            .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath())));
}
