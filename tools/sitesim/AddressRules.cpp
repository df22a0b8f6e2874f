#include "AddressRules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace sitesim {
namespace {

constexpr std::array<std::string_view, 6> pageKeywords = {
    "login.do", "home", "guide.do", "myfriendlistx.do", "temp", "newentry.do"};

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool needsPercentEncoding(unsigned char c)
{
    return c <= 0x20 || c >= 0x7F || c == '"' || c == '\\';
}

} // namespace

bool holdsPageKeyword(std::string_view address)
{
    const std::string lower = lowerAscii(address);
    return std::any_of(pageKeywords.begin(), pageKeywords.end(), [&](std::string_view keyword) {
        return lower.find(keyword) != std::string::npos;
    });
}

std::string sanitizeAddress(std::string_view address)
{
    std::string out;
    out.reserve(address.size());
    for (const char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (needsPercentEncoding(byte)) {
            char encoded[4];
            std::snprintf(encoded, sizeof encoded, "%%%02X", byte);
            out += encoded;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace sitesim
