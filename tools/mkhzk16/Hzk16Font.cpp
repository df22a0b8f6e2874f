#include "Hzk16Font.h"

#include "friends/Utf8.h"
#include "generate/GbkEncoder.h"

#include <optional>

namespace {

constexpr unsigned kFirstByte = 0xA1;
constexpr unsigned kLastZone = 0xF7;
constexpr unsigned kLastCell = 0xFE;

// The character of a two-byte code, nullopt when GBK gives it none.
std::optional<char32_t> characterOf(GbkEncoder& encoder, unsigned hi, unsigned lo)
{
    const std::string code{static_cast<char>(hi), static_cast<char>(lo)};
    const std::string utf8 = encoder.decode(code);
    std::size_t pos = 0;
    const char32_t ch = nextCodePoint(utf8, pos);
    if (pos != utf8.size() || ch == kReplacementCharacter)
        return std::nullopt;
    return ch;
}

} // namespace

std::string buildHzk16(const std::unordered_map<char32_t, Glyph>& glyphs)
{
    GbkEncoder& encoder = GbkEncoder::forThisThread();
    std::string font;
    for (unsigned hi = kFirstByte; hi <= kLastZone; ++hi) {
        for (unsigned lo = kFirstByte; lo <= kLastCell; ++lo) {
            Glyph glyph{};
            const std::optional<char32_t> ch = characterOf(encoder, hi, lo);
            if (ch && glyphs.contains(*ch))
                glyph = glyphs.at(*ch);
            font.append(reinterpret_cast<const char*>(glyph.data()), glyph.size());
        }
    }
    return font;
}
