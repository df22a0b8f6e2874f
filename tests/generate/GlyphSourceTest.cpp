#include "generate/GlyphSource.h"
#include "generate/GlyphBits.h"
#include "generate/GlyphSlot.h"

#include "SyntheticFont.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct SlotCase
{
    const char* label;
    char32_t ch;
    std::optional<std::size_t> slot;
};

class GlyphSlotCases : public testing::TestWithParam<SlotCase>
{
};

TEST_P(GlyphSlotCases, SlotComesFromTheGb2312Code)
{
    EXPECT_EQ(glyphSlot(GetParam().ch), GetParam().slot);
}

const SlotCase kSlots[] = {
    {"ah_first_of_zone_16", U'啊', 15 * 94},
    {"ideographic_space", U'\u3000', 0},
    {"lan_E1B0", U'岚', (0xE1 - 161) * 94 + (0xB0 - 161)},
    {"last_code_F7FE", U'齄', 86 * 94 + 93},
    {"ascii_letter_as_full_width", U'A', 2 * 94 + 32},
    {"full_width_letter", U'Ａ', 2 * 94 + 32},
    {"ascii_exclamation", U'!', 2 * 94},
    {"ascii_tilde_as_full_width_A1AB", U'~', 10}, // GBK codes ～ U+FF5E at A1AB
    {"space_is_blank", U' ', std::nullopt},
    {"tab_is_blank", U'\t', std::nullopt},
    {"gbk_only_character", U'丂', std::nullopt}, // GBK 8140, outside GB2312
    {"single_byte_euro", U'€', std::nullopt},    // GBK 80
    {"beyond_the_code_page", U'😀', std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Characters, GlyphSlotCases, testing::ValuesIn(kSlots),
                         [](const auto& info) { return std::string(info.param.label); });

class GlyphSourceTest : public testing::Test
{
protected:
    std::optional<GlyphSource> openFont(const SyntheticFont& font)
    {
        return GlyphSource::open(folder_.write("HZK16", font.bytes()));
    }

    TemporaryFolder folder_;
};

TEST_F(GlyphSourceTest, ReadsTheCharactersOwnThirtyTwoBytes)
{
    SyntheticFont font(SyntheticFont::kAh + 2);
    for (std::size_t slot : {SyntheticFont::kIdeographicSpace, SyntheticFont::kFullWidthA,
                             SyntheticFont::kAh - 1, SyntheticFont::kAh, SyntheticFont::kAh + 1})
        font.set(slot, SyntheticFont::numbered(slot));
    std::optional<GlyphSource> glyphs = openFont(font);
    ASSERT_TRUE(glyphs);
    EXPECT_EQ(glyphs->ReadGlyph(U'啊'), SyntheticFont::numbered(SyntheticFont::kAh));
    EXPECT_EQ(glyphs->ReadGlyph(U'\u3000'), SyntheticFont::numbered(0));
    EXPECT_EQ(glyphs->ReadGlyph(U'A'), SyntheticFont::numbered(SyntheticFont::kFullWidthA));
}

TEST_F(GlyphSourceTest, CharactersWithoutASlotAreBlankNeverTheGlyphBefore)
{
    SyntheticFont font(SyntheticFont::kAh + 1);
    font.set(0, SyntheticFont::numbered(0));
    font.set(SyntheticFont::kAh, SyntheticFont::numbered(SyntheticFont::kAh));
    std::optional<GlyphSource> glyphs = openFont(font);
    ASSERT_TRUE(glyphs);
    for (const char32_t ch : {U' ', U'丂', U'😀', U'\t'}) {
        ASSERT_NE(glyphs->ReadGlyph(U'啊'), Glyph{});
        EXPECT_EQ(glyphs->ReadGlyph(ch), Glyph{}) << static_cast<unsigned>(ch);
    }
}

TEST_F(GlyphSourceTest, SlotBeyondAShortFileIsBlank)
{
    // The file ends inside the slot of 啊: those 16 bytes are not half a glyph worth drawing.
    SyntheticFont font(SyntheticFont::kAh + 1);
    font.set(SyntheticFont::kAh, SyntheticFont::numbered(1));
    font.set(SyntheticFont::kAh - 1, SyntheticFont::numbered(2));
    const std::string cut = font.bytes().substr(0, SyntheticFont::kAh * kGlyphBytes + 16);
    std::optional<GlyphSource> glyphs = GlyphSource::open(folder_.write("short", cut));
    ASSERT_TRUE(glyphs);
    EXPECT_EQ(glyphs->ReadGlyph(U'啊'), Glyph{});
    EXPECT_EQ(glyphs->ReadGlyph(U'岚'), Glyph{});
}

TEST_F(GlyphSourceTest, MissingEmptyOrUnreadableFontCannotBeOpened)
{
    EXPECT_FALSE(GlyphSource::open(folder_.file("absent")));
    EXPECT_FALSE(GlyphSource::open(folder_.write("empty", "")));
    EXPECT_FALSE(GlyphSource::open(folder_.path().string()));
    EXPECT_FALSE(GlyphSource::open(""));
    EXPECT_TRUE(GlyphSource::open(folder_.write("one-byte", "x")));
}

TEST_F(GlyphSourceTest, GlyphBitsAreTheSixteenRowsTopFirstLeftmostDotFirst)
{
    SyntheticFont font(SyntheticFont::kAh + 1);
    Glyph glyph{};
    glyph[0] = 0x80;  // row 0, column 0
    glyph[1] = 0x0F;  // row 0, columns 12 to 15
    glyph[2] = 0xA5;  // row 1, columns 0, 2, 5, 7
    glyph[31] = 0x01; // row 15, column 15
    font.set(SyntheticFont::kAh, glyph);
    std::optional<GlyphSource> glyphs = openFont(font);
    ASSERT_TRUE(glyphs);
    const std::string bits = GlyphBits(*glyphs, U'啊');
    ASSERT_EQ(bits.size(), 256u);
    EXPECT_EQ(bits.substr(0, 16), "1000000000001111");
    EXPECT_EQ(bits.substr(16, 16), "1010010100000000");
    EXPECT_EQ(bits.substr(240, 16), "0000000000000001");
    EXPECT_EQ(std::count(bits.begin(), bits.end(), '1'), 1 + 4 + 4 + 1);
    EXPECT_EQ(GlyphBits(*glyphs, U' '), std::string(256, '0'));
}

} // namespace
