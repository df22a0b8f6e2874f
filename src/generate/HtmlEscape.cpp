#include "generate/HtmlEscape.h"

namespace {

std::string_view entityOf(char c)
{
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&quot;";
    case '\'':
        return "&#39;";
    default:
        return {};
    }
}

} // namespace

std::string htmlEscape(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size() + text.size() / 8);
    // Text between two markup characters is copied as one run.
    std::size_t runStart = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const std::string_view entity = entityOf(text[pos]);
        if (entity.empty())
            continue;
        escaped.append(text.substr(runStart, pos - runStart)).append(entity);
        runStart = pos + 1;
    }
    return escaped.append(text.substr(runStart));
}
