#pragma once

#include "generate/GlyphSlot.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

// A glyph as the font file holds it: 16 rows, top first, two bytes a row, the most
// significant bit the leftmost dot, a 1 bit a drawn dot.
using Glyph = std::array<std::uint8_t, kGlyphBytes>;

// The HZK16 font file, opened once for a whole name.
class GlyphSource
{
public:
    // nullopt when the file is missing, unreadable or empty: then no name can be drawn.
    static std::optional<GlyphSource> open(const std::string& fontPath);

    // The 32 bytes of ch's own slot. A character without a slot, or whose slot the file does
    // not hold in full, gives a blank glyph.
    Glyph ReadGlyph(char32_t ch);

private:
    GlyphSource(std::ifstream font, std::uintmax_t size);

    std::ifstream font_;
    std::uintmax_t size_;
};
