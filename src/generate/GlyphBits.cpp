#include "generate/GlyphBits.h"

#include "generate/HexBits.h"

std::string GlyphBits(GlyphSource& glyphs, char32_t ch)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const Glyph glyph = glyphs.ReadGlyph(ch);
    std::string bits;
    bits.reserve(glyph.size() * 8);
    for (const std::uint8_t byte : glyph) {
        const char hex[] = {kDigits[byte >> 4], kDigits[byte & 0x0F]};
        bits += h_to_b(std::string_view(hex, 2));
    }
    return bits;
}
