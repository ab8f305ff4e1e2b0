#include "cli/OptionText.h"

#include "common/QuiltixError.h"

#include <charconv>

namespace qx::cli {

namespace {

constexpr std::size_t kColourDigits = 6;

[[noreturn]] void RefusePair(const std::string& text, std::string_view option, const char* kind)
{
    throw QuiltixError("The option " + std::string(option) + " takes " + kind + " as WxH, such as 48x36, not \"" +
                       text + "\".");
}

bool ReadWhole(const std::string& text, int& value)
{
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && last == end;
}

} // namespace

TSidePair SplitSidePair(const std::string& text, std::string_view option)
{
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos)
        RefusePair(text, option, "a width and a height");
    return {text.substr(0, x), text.substr(x + 1)};
}

TPixelPair ParsePixelPair(const std::string& text, std::string_view option)
{
    const std::size_t x = text.find_first_of("xX");
    TPixelPair pair;
    if (x == std::string::npos || !ReadWhole(text.substr(0, x), pair.Width) ||
        !ReadWhole(text.substr(x + 1), pair.Height))
        RefusePair(text, option, "two whole numbers of pixels");
    return pair;
}

std::uint32_t ParseColourValue(const std::string& text, std::string_view option)
{
    const std::string digits = text.starts_with('#') ? text.substr(1) : text;
    std::uint32_t rgb = 0;
    const char* end = digits.data() + digits.size();
    const auto [last, error] = std::from_chars(digits.data(), end, rgb, 16);
    if (digits.size() != kColourDigits || error != std::errc() || last != end)
        throw QuiltixError("The option " + std::string(option) +
                           " takes a colour as six hexadecimal digits RRGGBB, such as FF8000, not \"" + text + "\".");
    const std::uint32_t red = rgb >> 16;
    const std::uint32_t green = (rgb >> 8) & 0xFF;
    const std::uint32_t blue = rgb & 0xFF;
    return red | (green << 8) | (blue << 16);
}

} // namespace qx::cli
