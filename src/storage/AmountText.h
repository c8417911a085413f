#pragma once

#include <QString>

#include <optional>

// Amounts as the application writes them: digits, the comma as decimal
// separator, no thousands separator, whatever the machine's regional settings.
namespace AmountText {

/// Reads "12", "12,5", ",5", "12," or "-3,25" (trimmed); nothing for any other
/// text, two commas or a point included.
std::optional<double> read(QStringView text);

/// The shortest decimal text of a value, with the comma and at most fifteen
/// significant digits: 12.5 gives "12,5", 12 gives "12", never an exponent.
QString shortest(double value);

/// The amount rule of the amount boxes: blank or unreadable text becomes
/// "0,00"; otherwise the value is rounded to places decimals, halves upward
/// on its binary value (so 1,005 gives 1,00 with two places), written in the
/// shortest form and given at least two decimals. With four places an amount
/// keeps two to four decimals (the schedule), with two exactly two (costs).
QString formatted(QStringView text, int places);

/// The amount rule of a box that feeds a record field of capacity
/// characters: an amount whose form would not fit (thirteen whole digits and
/// more with two decimals in fifteen characters) becomes "0,00", since the
/// field would cut off its decimals or its comma.
QString fitted(QStringView text, int places, int capacity);

} // namespace AmountText
