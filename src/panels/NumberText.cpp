#include "panels/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace qx {

namespace {

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool IsDecimalText(std::string_view text)
{
    // from_chars alone would also take "inf", "nan" and "1e", which no
    // edit of the panels should accept as a size.
    return !text.empty() && text.find_first_not_of("0123456789.eE+-") == std::string_view::npos;
}

} // namespace

std::optional<double> ParseEditNumber(std::string_view text)
{
    std::string_view digits = TrimBlanks(text);
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') {
            return std::nullopt;
        }
    }
    if (!IsDecimalText(digits)) {
        return std::nullopt;
    }
    double value = 0.0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (error != std::errc{} || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string FormatFixed(double value, int decimals)
{
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    const std::int64_t units = std::llround(value * static_cast<double>(scale));
    const std::int64_t magnitude = std::llabs(units);

    std::string text = units < 0 ? "-" : "";
    text += std::to_string(magnitude / scale);
    if (decimals > 0) {
        const std::string fraction = std::to_string(magnitude % scale);
        text += "." + std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') + fraction;
    }
    return text;
}

std::string FormatHundredths(std::int64_t hundredths)
{
    const std::int64_t magnitude = std::llabs(hundredths);
    std::string text = hundredths < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    const std::int64_t rest = magnitude % 100;
    if (rest != 0) {
        text += rest % 10 == 0 ? "." + std::to_string(rest / 10)
                               : (rest < 10 ? ".0" : ".") + std::to_string(rest);
    }
    return text;
}

} // namespace qx
