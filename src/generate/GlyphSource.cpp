#include "generate/GlyphSource.h"

#include <filesystem>
#include <system_error>

std::optional<GlyphSource> GlyphSource::open(const std::string& fontPath)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(fontPath, error);
    if (error || size == 0)
        return std::nullopt;
    std::ifstream font(fontPath, std::ios::binary);
    if (!font)
        return std::nullopt;
    return GlyphSource(std::move(font), size);
}

GlyphSource::GlyphSource(std::ifstream font, std::uintmax_t size)
    : font_(std::move(font)), size_(size)
{
}

Glyph GlyphSource::ReadGlyph(char32_t ch)
{
    Glyph glyph{};
    const std::optional<std::size_t> slot = glyphSlot(ch);
    if (!slot || (*slot + 1) * kGlyphBytes > size_)
        return glyph;
    font_.clear();
    font_.seekg(static_cast<std::streamoff>(*slot * kGlyphBytes));
    font_.read(reinterpret_cast<char*>(glyph.data()), kGlyphBytes);
    if (!font_)
        glyph.fill(0);
    return glyph;
}
