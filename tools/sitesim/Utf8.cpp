#include "Utf8.h"

namespace sitesim {
namespace {

constexpr char32_t replacement = 0xFFFD;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the sequence that starts with this byte, 0 for a byte that cannot start one.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

char32_t leadBits(unsigned char lead, int length)
{
    static constexpr unsigned char masks[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    return lead & masks[length];
}

bool isValidCodePoint(char32_t cp, int length)
{
    static constexpr char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    return cp >= minimum[length] && cp <= 0x10FFFF && !surrogate;
}

} // namespace

std::vector<char32_t> decodeUtf8(std::string_view text)
{
    std::vector<char32_t> out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = sequenceLength(lead);
        if (length == 0 || i + length > text.size()) {
            out.push_back(replacement);
            ++i;
            continue;
        }
        char32_t cp = leadBits(lead, length);
        int taken = 1;
        while (taken < length && isContinuation(static_cast<unsigned char>(text[i + taken]))) {
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + taken]) & 0x3F);
            ++taken;
        }
        if (taken < length || !isValidCodePoint(cp, length)) {
            out.push_back(replacement);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += length;
    }
    return out;
}

std::string encodeUtf8(char32_t cp)
{
    std::string out;
    if (cp >= 0xD800 && cp <= 0xDFFF) {
        cp = replacement;
    }
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp <= 0x10FFFF) {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        return encodeUtf8(replacement);
    }
    return out;
}

} // namespace sitesim
