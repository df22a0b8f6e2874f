#pragma once

#include <string>
#include <string_view>

namespace sitesim {

// Makes any text safe as element content and as a quoted attribute value,
// whichever quote the attribute uses. Every page runs what it echoes through it.
std::string escapeHtml(std::string_view text);

} // namespace sitesim
