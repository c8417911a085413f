#pragma once

#include <QString>

// What a completed "Controlla" shows: the kind of message box and its text,
// and whether the check window closes afterwards. Every check decides its own
// messages, so the windows only relay them.
struct CheckReport
{
    enum class Message { None, Information, Warning };

    Message message = Message::None;
    QString text;
    /// False only when the text cannot be checked at all (wrong length, missing
    /// number): the window stays open for the user to correct it.
    bool closesWindow = true;

    bool operator==(const CheckReport &) const = default;
};

/// The outcome of checking an identifier's text.
enum class CheckVerdict { Valid, Wrong, WrongLength };
