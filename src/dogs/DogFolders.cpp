#include "dogs/DogFolders.h"

#include "storage/ProgramFolder.h"
#include "storage/ShortText.h"
#include "storage/WholeFile.h"

#include <QFile>

namespace DogFolders {

QString albumPhotoPath(const ProgramFolder &folder, const QString &position)
{
    return folder.filePath(QStringLiteral("Album/Cane_%1.jpg").arg(trimmedText(position)));
}

QString associatedFolderPath(const ProgramFolder &folder, const QString &position)
{
    return folder.filePath(QStringLiteral("Cartelle_Abbinate/Cane_%1").arg(trimmedText(position)));
}

QString attachmentFolderPath(const ProgramFolder &folder)
{
    return folder.filePath(QStringLiteral("Documenti_Allegati"));
}

QString bareFileName(const QString &storedName)
{
    // Archives written on another system may carry either separator, so both
    // are folders here, whatever this system's own separator is.
    const QString trimmed = trimmedText(storedName);
    const qsizetype lastSeparator = qMax(trimmed.lastIndexOf(u'/'), trimmed.lastIndexOf(u'\\'));
    const QString bare = trimmedText(trimmed.mid(lastSeparator + 1));
    if (bare == u"." || bare == u"..")
        return {};
    return bare;
}

QString attachedFilePath(const ProgramFolder &folder, const QString &storedName)
{
    const QString bare = bareFileName(storedName);
    if (bare.isEmpty())
        return {};
    return folder.filePath(QStringLiteral("Documenti_Allegati/") + bare);
}

bool copyReplacing(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    return !writeWholeFile(target, [&](QIODevice &out) {
        constexpr qint64 chunkSize = 1 << 20;
        while (!in.atEnd()) {
            const QByteArray chunk = in.read(chunkSize);
            if (chunk.isEmpty() || out.write(chunk) != chunk.size())
                return false;
        }
        return true;
    });
}

} // namespace DogFolders
