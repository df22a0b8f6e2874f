#pragma once

#include <string>

// Writes the page file in one piece: the bytes go to a new file beside it, which then takes
// its name. A reader finds either the old file, or none, or the whole new one, never half of
// it. On failure nothing is left behind, the old file stands and *error (when given) says why
// in one line.
bool writePageFile(const std::string& path, const std::string& bytes, std::string* error);
