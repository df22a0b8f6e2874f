#pragma once

#include <cstddef>
#include <optional>

// Where a character's 16x16 glyph stands in an HZK16 font file: one 32-byte record per
// GB2312 code, in code order, 94 codes to a zone. The record of the code with bytes hi, lo
// (both 0xA1..0xFE) is slot (hi - 161) * 94 + (lo - 161), at byte 32 times the slot.
inline constexpr std::size_t kGlyphBytes = 32;
inline constexpr int kCodesPerZone = 94;

// The slot of ch, or nullopt when ch is drawn as blank cells: a space, and every character
// without a two-byte GB2312 code. ASCII characters other than the space take the slot of
// their full-width forms, so that "A" is drawn like "Ａ".
std::optional<std::size_t> glyphSlot(char32_t ch);
