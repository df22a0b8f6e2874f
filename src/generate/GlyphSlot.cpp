#include "generate/GlyphSlot.h"

#include "generate/GbkEncoder.h"

#include <string>

namespace {

constexpr char32_t kFirstVisibleAscii = U'!';
constexpr char32_t kLastVisibleAscii = U'~';
constexpr char32_t kFullWidthOffset = U'\uFF01' - U'!';
constexpr unsigned kFirstCodeByte = 0xA1;
constexpr unsigned kLastCodeByte = 0xFE;

char32_t withFullWidthAscii(char32_t ch)
{
    if (ch >= kFirstVisibleAscii && ch <= kLastVisibleAscii)
        return ch + kFullWidthOffset;
    return ch;
}

bool isGb2312Byte(unsigned byte)
{
    return byte >= kFirstCodeByte && byte <= kLastCodeByte;
}

} // namespace

std::optional<std::size_t> glyphSlot(char32_t ch)
{
    const std::string code = GbkEncoder::forThisThread().codeOf(withFullWidthAscii(ch));
    if (code.size() != 2)
        return std::nullopt;
    const auto hi = static_cast<unsigned char>(code[0]);
    const auto lo = static_cast<unsigned char>(code[1]);
    if (!isGb2312Byte(hi) || !isGb2312Byte(lo))
        return std::nullopt;
    return (hi - kFirstCodeByte) * kCodesPerZone + (lo - kFirstCodeByte);
}
