#pragma once

#include <string>
#include <string_view>

// Decodes a friend's name as the friend-list page writes it: "\u" with four hexadecimal digits
// gives that UTF-16 code unit (a surrogate pair its character, a lone surrogate U+FFFD), and
// \" \\ \/ give " \ /. Everything else stays as it stands, so plain text around the escapes
// and anything that only looks like an escape are kept. UTF-8 in and out.
std::string GetUserName(std::string_view sStrTmp);
