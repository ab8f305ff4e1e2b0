#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qx {

// The number typed into an edit: optional blanks around an optional sign,
// decimal digits with a point and an optional exponent. Anything else,
// including infinities and NaN, gives nullopt.
std::optional<double> ParseEditNumber(std::string_view text);

// `value` with exactly `decimals` digits after the point, halves rounded
// away from zero ("0.00" gives 0.13 for 0.125). A result that rounds to
// zero carries no minus sign.
std::string FormatFixed(double value, int decimals);

// hundredths / 100 in the shortest decimal form: 50 gives "0.5", 127 gives
// "1.27", 300 gives "3".
std::string FormatHundredths(std::int64_t hundredths);

} // namespace qx
