#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The one password that guards the application, kept scrambled in the
// settings file "unins000.dll" of the program folder, section "Accesso", key
// "Valore": two capital hexadecimal digits per character.
namespace AccessPassword {

/// The stored form has room for 255 characters of codes 0 to 255.
inline constexpr int maxLength = 255;

/// The password delivered with the installation, in clear.
QString initialPassword();
/// The whole settings file as delivered: the scrambled initial password.
QByteArray initialSettings();

/// Letters a to z in capitals, then trimmed: the only form stored and compared.
QString normalised(QStringView typed);

enum class Storable { Yes, TooLong, OutsideLatin1 };
/// Whether the stored form can hold this normalised password.
Storable storable(QStringView password);

/// The stored form: each character's low 8 bits, XORed with a running key,
/// as two capital hexadecimal digits.
QString scramble(QStringView clear);
/// The clear text of a stored form; a last single digit is ignored. Empty
/// when a pair is not two hexadecimal digits.
std::optional<QString> unscramble(QStringView stored);

// The stored password, read afresh from the settings file at every attempt.
class Store
{
public:
    explicit Store(QString settingsPath);

    enum class Verification { Accepted, Refused, SettingsMissing, ReadFailed };
    /// Accepted when the typed text, normalised, equals the stored password.
    /// Without the settings file no password is accepted; a file that holds
    /// no password or a damaged one fails to read.
    Verification verify(QStringView typed) const;
    QString path() const { return m_path; }

    enum class Change { Changed, OldRefused, NotConfirmed, TooLong, OutsideLatin1, SettingsMissing, Failed };
    /// Replaces the stored password once the old one matches and the new one
    /// equals its confirmation exactly (case counts there). The file is
    /// written whole to a new file renamed over the old, so that an
    /// interrupted change leaves the old password in force; every other
    /// byte of the file is kept.
    Change change(QStringView oldTyped, QStringView newTyped, QStringView confirmation) const;

private:
    struct Contents
    {
        QByteArray bytes;
        QString password;
    };
    std::optional<Contents> read() const;
    bool settingsMissing() const;

    QString m_path;
};

/// What the password windows say when the settings file is missing from a
/// folder that holds data: nobody can enter until it is put back.
QString settingsMissingMessage(const QString &settingsPath);

} // namespace AccessPassword
