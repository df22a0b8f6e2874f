#pragma once

#include "generate/GlyphSource.h"

#include <istream>
#include <unordered_map>

// The glyphs of a GNU Unifont .hex file ("4E00:" and 32 or 64 hexadecimal digits a line) as
// 16x16 glyphs of the HZK16 layout. A glyph 8 dots wide is centred in the 16 columns. Lines of
// another form, and characters beyond U+FFFF, which no GB2312 code reaches, are passed over.
std::unordered_map<char32_t, Glyph> readUnifontHex(std::istream& hex);
