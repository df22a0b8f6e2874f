#pragma once

#include <optional>
#include <string>
#include <string_view>

// The main host (host[:port]) of a site given as an address, "http://127.0.0.1:8080/" or
// "127.0.0.1:8080": the authority without scheme, user information, path, query or fragment.
// nullopt when there is none, or when it holds a character no host has; the host is written
// into the page's links as it stands.
std::optional<std::string> mainHostOfSite(std::string_view site);
