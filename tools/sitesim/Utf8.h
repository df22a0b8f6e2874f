#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sitesim {

// Malformed sequences decode to U+FFFD, one per offending byte, so that
// whatever a data file or a request holds can still be escaped and echoed.
std::vector<char32_t> decodeUtf8(std::string_view text);

std::string encodeUtf8(char32_t codePoint);

} // namespace sitesim
