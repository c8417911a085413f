#include "schedule/HealthNotices.h"

#include "kennel/DogNames.h"
#include "storage/DogRecord.h"
#include "storage/HealthRecord.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordFile.h"

namespace HealthNotices {

QString unnamedDog(qint64 position)
{
    return QStringLiteral("cane n. %1").arg(position);
}

QList<Notice> read(const ProgramFolder &folder, QDate today)
{
    const QList<HealthBooklet::Entry> due
        = HealthBooklet::toAnnounce(folder.filePath(HealthRecord::fileName()), today);
    if (due.isEmpty())
        return {};
    QList<qint64> dogs;
    for (const HealthBooklet::Entry &entry : due)
        dogs.append(entry.dog);
    QHash<qint64, QString> names;
    try {
        names = DogNames::read(folder.filePath(DogRecord::fileName), dogs);
    } catch (const RecordFileError &) {
        // The due dates matter more than the names: each dog goes by its number.
    }
    QList<Notice> notices;
    notices.reserve(due.size());
    for (const HealthBooklet::Entry &entry : due) {
        QString name = names.value(entry.dog);
        if (name.isEmpty())
            name = unnamedDog(entry.dog);
        QString line = HealthBooklet::announcement(entry, name);
        notices.append({ entry, std::move(name), std::move(line) });
    }
    return notices;
}

} // namespace HealthNotices
