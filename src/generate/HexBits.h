#pragma once

#include <string>
#include <string_view>

// Each hexadecimal digit of hex (either case) as its four binary digits, most significant
// first; any other character gives nothing ("1f" gives "00011111", "G1" gives "0001").
std::string h_to_b(std::string_view hex);
