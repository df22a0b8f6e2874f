// The UTF-8 walk that every text of the core goes through.
#include "friends/Utf8.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<char32_t> decode(std::string_view text)
{
    std::vector<char32_t> out;
    for (std::size_t pos = 0; pos < text.size();) {
        out.push_back(nextCodePoint(text, pos));
    }
    return out;
}

std::string encode(char32_t cp)
{
    std::string out;
    appendUtf8(out, cp);
    return out;
}

TEST(Utf8, DecodesValidTextAndReplacesEachBadByte)
{
    const std::vector<std::pair<std::string, std::vector<char32_t>>> cases = {
        {"", {}},
        {"aZ", {U'a', U'Z'}},
        {"张é", {0x5F20, 0xE9}},
        {"𠮷", {0x20BB7}},
        {"\xff", {0xFFFD}},
        {"\xc0\xaf", {0xFFFD, 0xFFFD}},             // overlong "/"
        {"\xed\xa0\x80", {0xFFFD, 0xFFFD, 0xFFFD}}, // a lone surrogate
        {"\xe5\xbc", {0xFFFD, 0xFFFD}},             // cut short at the end
        {"\xe5"
         "a",
         {0xFFFD, U'a'}},                                       // cut short by a letter
        {"\xf4\x90\x80\x80", {0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}}, // beyond U+10FFFF
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(decode(text), expected) << text;
    }
}

TEST(Utf8, EncodesEveryPlaneAndRefusesSurrogates)
{
    for (const char32_t cp : {U'a', char32_t{0xE9}, char32_t{0x5F20}, char32_t{0x20BB7}}) {
        EXPECT_EQ(decode(encode(cp)), std::vector<char32_t>{cp});
    }
    EXPECT_EQ(encode(0xD800), "\xef\xbf\xbd");
}

TEST(Utf8, CountsCodePoints)
{
    EXPECT_EQ(countCodePoints(""), 0u);
    EXPECT_EQ(countCodePoints("a张𠮷"), 3u);
    EXPECT_EQ(countCodePoints("\xff\xfe"), 2u);
}

} // namespace
