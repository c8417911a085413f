#include "dogs/AssociatedFolder.h"

#include "dogs/DogFolders.h"
#include "platform/AppContext.h"
#include "storage/ShortText.h"

#include <QDir>

void openAssociatedFolder(AppContext &context, QWidget *owner, const QString &position)
{
    MessageBoxes &messages = context.platform.messages;
    if (trimmedText(position).isEmpty()) {
        messages.warning(owner,
            QStringLiteral("Attenzione: l'abbinamento della cartella al cane può avvenire soltanto dopo che "
                           "la scheda è stata inserita in archivio."));
        return;
    }
    const QString folder = DogFolders::associatedFolderPath(context.folder, position);
    if (!QDir().mkpath(folder) || !context.platform.shell.openUrl(folder))
        messages.error(owner,
            QStringLiteral("Attenzione: non è stato possibile aprire la cartella abbinata al cane.\n\r\n\r"
                           "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                           "del programma."));
}
