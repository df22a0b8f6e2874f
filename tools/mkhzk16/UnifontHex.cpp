#include "UnifontHex.h"

#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kRows = 16;
constexpr std::size_t kNarrowDigits = kRows * 2;
constexpr std::size_t kWideDigits = kRows * 4;

std::optional<unsigned> hexNumber(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    unsigned value = 0;
    for (const char c : digits) {
        const int digit = (c >= '0' && c <= '9')   ? c - '0'
                          : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                          : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                                   : -1;
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return value;
}

std::optional<std::uint8_t> byteAt(std::string_view digits, std::size_t index)
{
    const std::optional<unsigned> value = hexNumber(digits.substr(index * 2, 2));
    if (!value)
        return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

// A narrow glyph's byte a row goes to columns 4 to 11 of the two.
std::optional<Glyph> glyphOf(std::string_view digits)
{
    Glyph glyph{};
    const bool narrow = digits.size() == kNarrowDigits;
    for (std::size_t k = 0; k < digits.size() / 2; ++k) {
        const std::optional<std::uint8_t> byte = byteAt(digits, k);
        if (!byte)
            return std::nullopt;
        if (narrow) {
            glyph[2 * k] = static_cast<std::uint8_t>(*byte >> 4);
            glyph[2 * k + 1] = static_cast<std::uint8_t>(*byte << 4);
        } else {
            glyph[k] = *byte;
        }
    }
    return glyph;
}

} // namespace

std::unordered_map<char32_t, Glyph> readUnifontHex(std::istream& hex)
{
    std::unordered_map<char32_t, Glyph> glyphs;
    std::string line;
    while (std::getline(hex, line)) {
        const std::string_view text(line);
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos || colon > 4)
            continue;
        const std::string_view digits =
            text.substr(colon + 1, text.find_first_of("\r ") - colon - 1);
        if (digits.size() != kNarrowDigits && digits.size() != kWideDigits)
            continue;
        const std::optional<unsigned> cp = hexNumber(text.substr(0, colon));
        const std::optional<Glyph> glyph = glyphOf(digits);
        if (cp && glyph)
            glyphs[*cp] = *glyph;
    }
    return glyphs;
}
