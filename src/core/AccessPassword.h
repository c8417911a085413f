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

    enum class Verification { Accepted, Refused, ReadFailed };
    /// Accepted when the typed text, normalised, equals the stored password.
    /// A missing file holds the empty password, which nothing matches; a file
    /// that holds no password or a damaged one fails to read.
    Verification verify(QStringView typed) const;

    enum class Change { Changed, OldRefused, NotConfirmed, TooLong, OutsideLatin1, Failed };
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

    QString m_path;
};

} // namespace AccessPassword
