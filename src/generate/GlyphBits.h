#pragma once

#include "generate/GlyphSource.h"

#include <string>

// ch's glyph as 256 characters "0"/"1": row after row, top first, each row's 16 dots left to
// right; "1" a drawn dot.
std::string GlyphBits(GlyphSource& glyphs, char32_t ch);
