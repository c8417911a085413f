#pragma once

#include <QString>

// Where the maker is reached: its web site and its support mailbox.
namespace MakerLinks {

/// The web address as the windows show it.
QString webAddress();
/// The same address as handed to the browser.
QString webUrl();
QString supportAddress();

/// The mail link of the information window: "mailto:", the support address,
/// the subject and the opening of the message, passed as they are (blanks
/// included, nothing encoded) for the mail program to fill in.
QString supportMailLink();

} // namespace MakerLinks
