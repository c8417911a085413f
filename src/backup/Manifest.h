#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <nettle/sha2.h>

#include <optional>

// The list a backup carries of what it holds, so that a restore can prove an
// archive whole before anything of it takes the data's place.
namespace Backup::Manifest {

/// The manifest's own name inside the archive.
inline const QString fileName = QStringLiteral("Manifesto_copia.txt");

/// What the manifest says of one entry, or what the archive holds under it.
struct Content
{
    bool folder = false;
    qint64 size = 0;
    QByteArray sha256; // lower-case hex; empty for a folder

    bool operator==(const Content &) const = default;
};
using Contents = QMap<QString, Content>;

/// The manifest of these contents: a header line, then one line per entry
/// with the name last and percent-encoded, so that any file name fits on one
/// line: "D <name>" for a folder, "F <sha256> <size> <name>" for a file.
QByteArray text(const Contents &contents);

/// The contents a manifest lists, or nothing when it is not one: a wrong
/// header, a malformed line, an empty name or a name listed twice.
std::optional<Contents> parse(const QByteArray &text);

/// A SHA-256 fed piece by piece.
class Sha256
{
public:
    Sha256() { sha256_init(&m_context); }
    void add(const char *data, qint64 size)
    {
        sha256_update(&m_context, size_t(size), reinterpret_cast<const uint8_t *>(data));
    }
    QByteArray hex();

private:
    sha256_ctx m_context;
};

} // namespace Backup::Manifest
