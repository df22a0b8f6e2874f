#pragma once

#include "generate/GlyphSource.h"

#include <string>
#include <unordered_map>

// An HZK16 font file: the records of every GB2312 code A1A1..F7FE in code order, each the
// glyph of the code's character in glyphs, blank for a code without a character or without a
// glyph. The characters of the codes are those the program's GBK conversion gives them, so
// that every character the program looks up finds its own glyph.
std::string buildHzk16(const std::unordered_map<char32_t, Glyph>& glyphs);
