#include "friends/GetUserName.h"

#include "friends/HexDigit.h"
#include "friends/Utf8.h"

#include <optional>

namespace {

// The code unit of a "\uXXXX" escape starting at pos, if one stands there.
std::optional<char16_t> unitEscapeAt(std::string_view text, std::size_t pos)
{
    if (pos + 6 > text.size() || text[pos] != '\\' || text[pos + 1] != 'u')
        return std::nullopt;
    char16_t unit = 0;
    for (std::size_t k = 2; k < 6; ++k) {
        const int digit = hexDigitValue(text[pos + k]);
        if (digit < 0)
            return std::nullopt;
        unit = static_cast<char16_t>((unit << 4) | digit);
    }
    return unit;
}

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Decodes the escape at pos (and the low half of a pair after it), moving pos past it.
char32_t decodeUnitEscape(std::string_view text, std::size_t& pos, char16_t unit)
{
    pos += 6;
    if (isLowSurrogate(unit))
        return kReplacementCharacter;
    if (!isHighSurrogate(unit))
        return unit;
    const std::optional<char16_t> low = unitEscapeAt(text, pos);
    if (!low || !isLowSurrogate(*low))
        return kReplacementCharacter;
    pos += 6;
    return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (*low - 0xDC00);
}

bool isSimpleEscape(char c)
{
    return c == '"' || c == '\\' || c == '/';
}

} // namespace

std::string GetUserName(std::string_view sStrTmp)
{
    std::string name;
    name.reserve(sStrTmp.size());
    std::size_t pos = 0;
    while (pos < sStrTmp.size()) {
        if (const std::optional<char16_t> unit = unitEscapeAt(sStrTmp, pos)) {
            appendUtf8(name, decodeUnitEscape(sStrTmp, pos, *unit));
        } else if (sStrTmp[pos] == '\\' && pos + 1 < sStrTmp.size() &&
                   isSimpleEscape(sStrTmp[pos + 1])) {
            name += sStrTmp[pos + 1];
            pos += 2;
        } else {
            name += sStrTmp[pos++];
        }
    }
    return name;
}
