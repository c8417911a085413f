#include "backup/Manifest.h"

#include <QList>
#include <QRegularExpression>
#include <QUrl>

namespace Backup::Manifest {

namespace {

    const QByteArray header = QByteArrayLiteral("Zampora copia di sicurezza 1");

} // namespace

QByteArray Sha256::hex()
{
    QByteArray digest(SHA256_DIGEST_SIZE, Qt::Uninitialized);
    sha256_digest(&m_context, SHA256_DIGEST_SIZE, reinterpret_cast<uint8_t *>(digest.data()));
    return digest.toHex();
}

QByteArray text(const Contents &contents)
{
    QByteArray text = header + '\n';
    for (auto it = contents.cbegin(); it != contents.cend(); ++it) {
        const QByteArray name = QUrl::toPercentEncoding(it.key(), "/");
        if (it->folder)
            text += "D " + name + '\n';
        else
            text += "F " + it->sha256 + ' ' + QByteArray::number(it->size) + ' ' + name + '\n';
    }
    return text;
}

std::optional<Contents> parse(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.takeFirst() != header || lines.isEmpty() || !lines.takeLast().isEmpty())
        return std::nullopt;
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
    Contents contents;
    for (const QByteArray &line : std::as_const(lines)) {
        const QList<QByteArray> parts = line.split(' ');
        Content content;
        QByteArray name;
        if (parts.size() == 2 && parts[0] == "D") {
            content.folder = true;
            name = parts[1];
        } else if (parts.size() == 4 && parts[0] == "F" && hex.match(QString::fromLatin1(parts[1])).hasMatch()) {
            bool ok = false;
            content.sha256 = parts[1];
            content.size = parts[2].toLongLong(&ok);
            if (!ok || content.size < 0)
                return std::nullopt;
            name = parts[3];
        } else {
            return std::nullopt;
        }
        const QString decoded = QUrl::fromPercentEncoding(name);
        if (decoded.isEmpty() || contents.contains(decoded))
            return std::nullopt;
        contents.insert(decoded, content);
    }
    return contents;
}

} // namespace Backup::Manifest
