#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The UTF-8 text the program keeps its strings in, walked one code point at a time.

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// The code point that starts at pos, moving pos past it. A malformed or cut-off sequence
// gives U+FFFD and moves past one byte only, so the walk always ends.
char32_t nextCodePoint(std::string_view text, std::size_t& pos);

// Appends the UTF-8 form of cp; a surrogate or a value beyond U+10FFFF appends U+FFFD.
void appendUtf8(std::string& out, char32_t cp);

std::size_t countCodePoints(std::string_view text);
