// Fills a program folder with the archives of a kennel for the first-window
// benchmark: the dog archive with a card for each dog and, when asked, the
// health booklets with ten entries each (bench/SampleBooklets.h).
//   sample_kennel FOLDER DOGS [--libretti]

#include "SampleArchives.h"
#include "SampleBooklets.h"
#include "storage/DogRecord.h"
#include "storage/HealthRecord.h"
#include "storage/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <functional>

namespace {

// The archive of count records, record i being recordAt(i).
bool write(const QString &path, qint64 count, const std::function<Record(qint64)> &recordAt)
{
    const std::optional<QString> failure = writeWholeFile(path, [&](QIODevice &device) {
        for (qint64 i = 0; i < count; ++i) {
            const Record record = recordAt(i);
            if (device.write(record.data(), record.size()) != record.size())
                return false;
        }
        return true;
    });
    if (failure)
        QTextStream(stderr) << path << ": " << *failure << '\n';
    return !failure;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    bool counted = false;
    const qint64 dogs = arguments.value(1).toLongLong(&counted);
    if (arguments.size() < 2 || !counted || dogs < 1 || arguments.size() > 3
        || (arguments.size() == 3 && arguments[2] != QLatin1String("--libretti"))) {
        QTextStream(stderr) << "sample_kennel FOLDER DOGS [--libretti]\n";
        return 2;
    }
    const QDir folder(arguments[0]);
    if (!QDir().mkpath(folder.path()))
        return 1;
    Record card = SampleArchives::halfFull(DogRecord::layout());
    const bool written = write(folder.filePath(QStringLiteral("Anagrafica_Cani.pro")), dogs, [&](qint64 i) {
        card.setValue(DogRecord::Nome, QStringLiteral("Cane %1").arg(i + 1));
        card.setValue(DogRecord::DataNasc, QStringLiteral("%1/03/2020").arg(1 + i % 28, 2, 10, QLatin1Char('0')));
        return card;
    });
    if (!written)
        return 1;
    if (arguments.size() == 3
        && !write(folder.filePath(HealthRecord::fileName()), dogs * SampleBooklets::entriesPerDog,
                  [dogs](qint64 i) { return SampleBooklets::entryAt(i, dogs); })) {
        return 1;
    }
    return 0;
}
