#pragma once

#include "generate/GlyphSource.h"

#include <array>
#include <string>
#include <string_view>

// A small font file of the HZK16 layout: as many slots as asked for, all blank but those set.
class SyntheticFont
{
public:
    // Slots of the characters the tests draw with.
    static constexpr std::size_t kIdeographicSpace = 0;     // A1A1
    static constexpr std::size_t kFullWidthA = 2 * 94 + 32; // A3C1, where "A" is drawn from
    static constexpr std::size_t kAh = 15 * 94;             // B0A1, 啊

    explicit SyntheticFont(std::size_t slots) : bytes_(slots * kGlyphBytes, '\0') {}

    void set(std::size_t slot, const Glyph& glyph)
    {
        for (std::size_t k = 0; k < kGlyphBytes; ++k)
            bytes_[slot * kGlyphBytes + k] = static_cast<char>(glyph[k]);
    }

    // A glyph drawn as 16 rows of 16 characters, '#' a drawn dot.
    static Glyph picture(const std::array<std::string_view, 16>& rows)
    {
        Glyph glyph{};
        for (std::size_t row = 0; row < 16; ++row) {
            for (std::size_t column = 0; column < 16; ++column) {
                if (rows[row][column] == '#')
                    glyph[2 * row + column / 8] |= static_cast<std::uint8_t>(0x80 >> (column % 8));
            }
        }
        return glyph;
    }

    // A glyph whose bytes tell its slot and their place: slots less than 256 apart never share
    // a byte pattern.
    static Glyph numbered(std::size_t slot)
    {
        Glyph glyph{};
        for (std::size_t k = 0; k < kGlyphBytes; ++k)
            glyph[k] = static_cast<std::uint8_t>(slot * 37 + k + 1);
        return glyph;
    }

    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};
