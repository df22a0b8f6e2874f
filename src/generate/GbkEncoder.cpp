#include "generate/GbkEncoder.h"

#include "friends/Utf8.h"

#include <cerrno>
#include <cstdio>
#include <stdexcept>

namespace {

const auto kNoConverter = reinterpret_cast<iconv_t>(-1);
constexpr auto kConversionFailed = static_cast<std::size_t>(-1);

iconv_t openConverter(const char* to, const char* from)
{
    const iconv_t converter = iconv_open(to, from);
    if (converter == kNoConverter)
        throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    return converter;
}

bool isAscii(char c)
{
    return static_cast<unsigned char>(c) < 0x80;
}

std::string characterReference(char32_t cp)
{
    char text[16];
    std::snprintf(text, sizeof text, "&#x%X;", static_cast<unsigned>(cp));
    return text;
}

// Runs the converter over input, appending to out. At each character it cannot convert, it
// hands the rest of the input to onFailure, which appends a substitute and says how many
// bytes that substitute stands for.
template <typename OnFailure>
void convert(iconv_t converter, std::string_view input, std::string& out, OnFailure onFailure)
{
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char buffer[4096];
        char* outPos = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(converter, &in, &inLeft, &outPos, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPos - buffer));
        if (result != kConversionFailed || errno == E2BIG)
            continue;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        const std::size_t skipped = onFailure(std::string_view(in, inLeft));
        in += skipped;
        inLeft -= skipped;
    }
}

} // namespace

GbkEncoder::GbkEncoder()
    : toGbk_(openConverter("GBK", "UTF-8")), fromGbk_(openConverter("UTF-8", "GBK"))
{
}

GbkEncoder::~GbkEncoder()
{
    iconv_close(toGbk_);
    iconv_close(fromGbk_);
}

GbkEncoder& GbkEncoder::forThisThread()
{
    thread_local GbkEncoder encoder;
    return encoder;
}

std::string GbkEncoder::encode(std::string_view utf8)
{
    // Pages are mostly ASCII markup, which GBK keeps byte for byte: only the runs between
    // ASCII bytes go through the converter.
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t end = pos;
        const bool ascii = isAscii(utf8[pos]);
        while (end < utf8.size() && isAscii(utf8[end]) == ascii)
            ++end;
        if (ascii)
            out.append(utf8.substr(pos, end - pos));
        else
            encodeRun(utf8.substr(pos, end - pos), out);
        pos = end;
    }
    return out;
}

void GbkEncoder::encodeRun(std::string_view utf8, std::string& out)
{
    convert(toGbk_, utf8, out, [&out](std::string_view rest) {
        std::size_t length = 0;
        out += characterReference(nextCodePoint(rest, length));
        return length;
    });
}

std::string GbkEncoder::codeOf(char32_t cp)
{
    std::string utf8;
    appendUtf8(utf8, cp);
    std::string code;
    bool representable = true;
    convert(toGbk_, utf8, code, [&representable](std::string_view rest) {
        representable = false;
        return rest.size();
    });
    return representable ? code : std::string();
}

std::string GbkEncoder::decode(std::string_view gbk)
{
    std::string out;
    out.reserve(gbk.size() + gbk.size() / 2);
    convert(fromGbk_, gbk, out, [&out](std::string_view) {
        appendUtf8(out, kReplacementCharacter);
        return std::size_t{1};
    });
    return out;
}
