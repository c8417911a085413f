#include "core/AccessPassword.h"

#include "core/SettingsText.h"
#include "storage/ShortText.h"
#include "storage/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace AccessPassword {

namespace {

// The scrambling constants: a settings file written with one set cannot be
// read with another, so they never change.
constexpr quint16 initialKey = 0x5A17;
constexpr quint16 multiplier = 0x9E3B;
constexpr quint16 increment = 0x2C41;

constexpr QByteArrayView section = "Accesso";
constexpr QByteArrayView key = "Valore";

// A settings file holds a few lines; anything far larger is not one.
constexpr qint64 largestSettingsFile = 1 << 20;

quint16 nextKey(quint8 stored, quint16 key)
{
    return quint16((stored + key) * multiplier + increment);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QString initialPassword()
{
    return QStringLiteral("ZAMPORA");
}

QByteArray initialSettings()
{
    return SettingsText::withValue({}, section, key, scramble(initialPassword()).toLatin1());
}

QString normalised(QStringView typed)
{
    return trimmedCapitals(typed);
}

Storable storable(QStringView password)
{
    if (password.size() > maxLength)
        return Storable::TooLong;
    for (QChar c : password) {
        if (c.unicode() > 0xFF)
            return Storable::OutsideLatin1;
    }
    return Storable::Yes;
}

QString scramble(QStringView clear)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    QString stored;
    stored.reserve(2 * clear.size());
    quint16 k = initialKey;
    for (QChar c : clear) {
        const quint8 x = quint8(c.unicode() & 0xFF) ^ quint8(k >> 8);
        stored.append(QLatin1Char(digits[x >> 4]));
        stored.append(QLatin1Char(digits[x & 0xF]));
        k = nextKey(x, k);
    }
    return stored;
}

std::optional<QString> unscramble(QStringView stored)
{
    QString clear;
    clear.reserve(stored.size() / 2);
    quint16 k = initialKey;
    for (qsizetype i = 0; i + 1 < stored.size(); i += 2) {
        const int high = hexDigit(stored[i]);
        const int low = hexDigit(stored[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        const quint8 x = quint8(high << 4 | low);
        clear.append(QChar(char16_t(x ^ quint8(k >> 8))));
        k = nextKey(x, k);
    }
    return clear;
}

Store::Store(QString settingsPath)
    : m_path(std::move(settingsPath))
{
}

bool Store::settingsMissing() const
{
    return !QFileInfo::exists(m_path);
}

std::optional<Store::Contents> Store::read() const
{
    Contents contents;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > largestSettingsFile)
        return std::nullopt;
    contents.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    const QByteArray value = SettingsText::value(contents.bytes, section, key);
    // Bytes beyond ASCII are no hexadecimal digits; Latin-1 keeps them so.
    const std::optional<QString> clear = unscramble(QString::fromLatin1(value));
    if (!clear)
        return std::nullopt;
    contents.password = trimmedText(*clear);
    // A password is never stored empty (the change window asks for one), so a
    // file that holds none (emptied, overwritten, without the section or the
    // key) is damaged, not a password that nothing matches.
    if (contents.password.isEmpty())
        return std::nullopt;
    return contents;
}

Store::Verification Store::verify(QStringView typed) const
{
    if (settingsMissing())
        return Verification::SettingsMissing;
    const std::optional<Contents> stored = read();
    if (!stored)
        return Verification::ReadFailed;
    if (normalised(typed) != stored->password)
        return Verification::Refused;
    return Verification::Accepted;
}

Store::Change Store::change(QStringView oldTyped, QStringView newTyped, QStringView confirmation) const
{
    if (settingsMissing())
        return Change::SettingsMissing;
    const std::optional<Contents> stored = read();
    if (!stored)
        return Change::Failed;
    if (normalised(oldTyped) != stored->password)
        return Change::OldRefused;
    if (trimmedText(newTyped) != trimmedText(confirmation))
        return Change::NotConfirmed;
    const QString password = normalised(newTyped);
    switch (storable(password)) {
    case Storable::TooLong:
        return Change::TooLong;
    case Storable::OutsideLatin1:
        return Change::OutsideLatin1;
    case Storable::Yes:
        break;
    }
    const QByteArray rewritten
        = SettingsText::withValue(stored->bytes, section, key, scramble(password).toLatin1());
    if (writeWholeFile(m_path, rewritten))
        return Change::Failed;
    return Change::Changed;
}

QString settingsMissingMessage(const QString &settingsPath)
{
    const QFileInfo settings(settingsPath);
    return QStringLiteral("Attenzione: nella cartella del programma manca il file delle impostazioni %1, che "
                          "custodisce la password: senza di esso non è possibile entrare.\n\r\n\r"
                          "Per rimediare, copiare nella cartella %2 il file %1 di una copia di sicurezza "
                          "(la copia di sicurezza è un normale file ZIP, che si apre con qualsiasi programma "
                          "di archiviazione).")
        .arg(settings.fileName(), QDir::toNativeSeparators(settings.absolutePath()));
}

} // namespace AccessPassword
