#include "AvatarSvg.h"

#include "friends/Utf8.h"
#include "generate/HtmlEscape.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace sitesim {
namespace {

std::uint32_t hashId(std::string_view id)
{
    std::uint32_t hash = 2166136261U; // FNV-1a
    for (const char c : id) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
    }
    return hash;
}

// Saturation and lightness are fixed so that white letters stay readable on every hue.
std::string hueToHex(double hue)
{
    constexpr double saturation = 0.55;
    constexpr double lightness = 0.45;
    const double chroma = (1 - std::fabs(2 * lightness - 1)) * saturation;
    const double sector = hue / 60.0;
    const double x = chroma * (1 - std::fabs(std::fmod(sector, 2.0) - 1));
    const double table[6][3] = {{chroma, x, 0}, {x, chroma, 0}, {0, chroma, x},
                                {0, x, chroma}, {x, 0, chroma}, {chroma, 0, x}};
    const auto& rgb = table[static_cast<int>(sector) % 6];
    const double m = lightness - chroma / 2;
    char out[8];
    std::snprintf(out, sizeof out, "#%02x%02x%02x",
                  static_cast<int>(std::lround((rgb[0] + m) * 255)),
                  static_cast<int>(std::lround((rgb[1] + m) * 255)),
                  static_cast<int>(std::lround((rgb[2] + m) * 255)));
    return out;
}

std::string initialOf(std::string_view name)
{
    if (name.empty()) {
        return "?";
    }
    std::size_t pos = 0;
    const char32_t first = nextCodePoint(name, pos);
    if (first <= 0x20 || first == 0x7F) {
        return "?";
    }
    // Re-encoded rather than cut from the name, so a malformed lead byte shows as U+FFFD.
    std::string initial;
    appendUtf8(initial, first);
    return htmlEscape(initial);
}

} // namespace

std::string avatarColour(std::string_view id)
{
    return hueToHex(static_cast<double>(hashId(id) % 360));
}

std::string makeAvatarSvg(const Friend& person)
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"50\" height=\"50\" "
           "viewBox=\"0 0 50 50\"><rect width=\"50\" height=\"50\" fill=\"" +
           avatarColour(person.id) +
           "\"/><text x=\"25\" y=\"33\" font-size=\"24\" text-anchor=\"middle\" "
           "fill=\"#ffffff\" font-family=\"WenQuanYi Micro Hei, Noto Sans CJK SC, sans-serif\">" +
           initialOf(person.name) + "</text></svg>\n";
}

} // namespace sitesim
