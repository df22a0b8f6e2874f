#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sitesim {

// The value of one cookie in a Cookie request header ("a=1; sid=xyz"), or nothing.
std::optional<std::string> findCookie(std::string_view header, std::string_view name);

} // namespace sitesim
