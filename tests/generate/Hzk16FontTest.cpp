// The font file the build makes from GNU Unifont, as the program reads it.
#include "generate/GlyphBits.h"
#include "generate/GlyphSource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

class Hzk16FontTest : public testing::Test
{
protected:
    void SetUp() override
    {
        glyphs_ = GlyphSource::open(NAMEART_HZK16);
        ASSERT_TRUE(glyphs_) << NAMEART_HZK16;
    }

    // Row r of ch's glyph, "#" for a drawn dot.
    std::string row(char32_t ch, std::size_t r)
    {
        std::string bits = GlyphBits(*glyphs_, ch).substr(16 * r, 16);
        for (char& c : bits)
            c = c == '1' ? '#' : '.';
        return bits;
    }

    std::optional<GlyphSource> glyphs_;
};

TEST_F(Hzk16FontTest, HoldsEveryCodeFromA1A1ToF7FE)
{
    EXPECT_EQ(std::filesystem::file_size(NAMEART_HZK16), 87u * 94u * 32u);
}

TEST_F(Hzk16FontTest, DrawsAhAsUnifontDoes)
{
    // U+554A in unifont.hex: 00000EFCEA08AA08AAE8AAA8ACA8AAA8AAA8AAA8EAE8AAA80C08080808280810
    EXPECT_EQ(row(U'啊', 0), "................");
    EXPECT_EQ(row(U'啊', 1), "....###.######..");
    EXPECT_EQ(row(U'啊', 2), "###.#.#.....#...");
    EXPECT_EQ(row(U'啊', 15), "....#......#....");
}

TEST_F(Hzk16FontTest, LanHasStrokesInItsLastRow)
{
    EXPECT_EQ(row(U'岚', 0), ".......#........");
    EXPECT_EQ(row(U'岚', 15), "#.............#.");
}

TEST_F(Hzk16FontTest, NarrowGlyphsAreCentred)
{
    // é (A8A6) is eight dots wide in Unifont: it takes columns 4 to 11.
    const std::string bits = GlyphBits(*glyphs_, U'é');
    ASSERT_NE(bits.find('1'), std::string::npos);
    for (std::size_t k = 0; k < bits.size(); ++k) {
        if (bits[k] == '1') {
            EXPECT_TRUE(k % 16 >= 4 && k % 16 <= 11) << "dot in column " << k % 16;
        }
    }
}

TEST_F(Hzk16FontTest, BlankWhereThereIsNothingToDraw)
{
    EXPECT_EQ(GlyphBits(*glyphs_, U'\u3000'), std::string(256, '0'));
    // D7FA..D7FE, the end of zone 55, hold no character.
    std::ifstream font(NAMEART_HZK16, std::ios::binary);
    font.seekg(((0xD7 - 161) * 94 + (0xFA - 161)) * 32);
    std::string record(5 * 32, 'x');
    font.read(record.data(), static_cast<std::streamsize>(record.size()));
    EXPECT_EQ(record, std::string(5 * 32, '\0'));
}

} // namespace
