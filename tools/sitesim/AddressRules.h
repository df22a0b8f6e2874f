#pragma once

#include <string>
#include <string_view>

namespace sitesim {

// The automation tells pages apart by these pieces of their address (compared
// case-insensitively), so no address of this site may hold one unless it is that page.
bool holdsPageKeyword(std::string_view address);

// Percent-encodes what a friend-list address may not hold: '"' and '\' would end or
// escape the quoted value, and blanks, controls and non-ASCII bytes are not address text.
std::string sanitizeAddress(std::string_view address);

} // namespace sitesim
