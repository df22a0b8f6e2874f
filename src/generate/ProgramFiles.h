#pragma once

#include <string>

// Files that live beside the program (the font file, the page file): the program's folder,
// one separator, the file name. A folder given with a trailing separator still gives one.
std::string fileBesideProgram(const std::string& programFolder, const std::string& fileName);

inline constexpr const char* kFontFileName = "HZK16";
inline constexpr const char* kPageFileName = "temp.html";
