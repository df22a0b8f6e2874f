#include "Cookies.h"

namespace sitesim {
namespace {

std::string_view trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

std::optional<std::string> findCookie(std::string_view header, std::string_view name)
{
    while (!header.empty()) {
        const auto end = header.find(';');
        const std::string_view pair = trim(header.substr(0, end));
        const auto equals = pair.find('=');
        if (equals != std::string_view::npos && trim(pair.substr(0, equals)) == name) {
            return std::string(trim(pair.substr(equals + 1)));
        }
        if (end == std::string_view::npos) {
            break;
        }
        header.remove_prefix(end + 1);
    }
    return std::nullopt;
}

} // namespace sitesim
