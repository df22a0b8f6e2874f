#include "generate/MainHost.h"

namespace {

bool isHostCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_' || c == ':' || c == '[' || c == ']';
}

std::string_view withoutScheme(std::string_view site)
{
    const std::size_t separator = site.find("://");
    return separator == std::string_view::npos ? site : site.substr(separator + 3);
}

} // namespace

std::optional<std::string> mainHostOfSite(std::string_view site)
{
    std::string_view authority = withoutScheme(site);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    const std::size_t at = authority.rfind('@');
    if (at != std::string_view::npos)
        authority.remove_prefix(at + 1);
    if (authority.empty())
        return std::nullopt;
    for (const char c : authority) {
        if (!isHostCharacter(c))
            return std::nullopt;
    }
    return std::string(authority);
}
