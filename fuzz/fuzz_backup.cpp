// Arbitrary bytes read as a backup archive, and as a manifest on their own:
// the restore's reader and the manifest's parser must refuse what is not
// whole with Backup::Error and never crash, hang or read out of bounds. A
// manifest that parses must write back as the same text.

#include "backup/ArchiveReader.h"
#include "backup/Manifest.h"

#include <cstdint>
#include <cstdlib>

namespace {

class Discard : public Backup::EntrySink
{
public:
    void addFolder(const Backup::ArchiveEntry &) override { }
    void beginFile(const Backup::ArchiveEntry &) override { }
    void addData(const char *, qint64) override { }
    void endFile() override { }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<Backup::Manifest::Contents> contents = Backup::Manifest::parse(bytes)) {
        const std::optional<Backup::Manifest::Contents> again = Backup::Manifest::parse(Backup::Manifest::text(*contents));
        if (!again || *again != *contents)
            std::abort();
    }
    try {
        Backup::ArchiveReader reader(bytes);
        Discard discard;
        Backup::readChecked(reader, discard);
    } catch (const Backup::Error &) {
        // Refused: the one way an archive that is not whole may end.
    }
    return 0;
}
