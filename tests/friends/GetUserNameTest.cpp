#include "friends/GetUserName.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cctype>
#include <random>
#include <string>

namespace {

struct DecodeCase
{
    const char* label;
    std::string escaped;
    std::string name;
};

class GetUserNameCases : public testing::TestWithParam<DecodeCase>
{
};

TEST_P(GetUserNameCases, DecodesAsJsonDoesAndKeepsEverythingElse)
{
    EXPECT_EQ(GetUserName(GetParam().escaped), GetParam().name);
}

const DecodeCase kCases[] = {
    {"empty", "", ""},
    {"two escapes", R"(\u5f20\u4e09)", "张三"},
    {"upper-case digits", R"(\u5F20)", "张"},
    {"unit above 8000", R"(\u9e7f)", "鹿"},
    {"text after an escape", R"(\u5f20 Li)", "张 Li"},
    {"text before an escape", R"(Li \u5f20)", "Li 张"},
    {"text between escapes", R"(\u5f20-\u4e09)", "张-三"},
    {"plain text only", "Li Lei", "Li Lei"},
    {"hex-looking plain text", "abc", "abc"},
    {"digit right after an escape", R"(\u00e95)", "é5"},
    {"digit after a CJK escape", R"(\u5f201)", "张1"},
    {"surrogate pair", R"(\ud83d\ude00)", "😀"},
    {"surrogate pair, upper case", R"(\uD83D\uDE00!)", "😀!"},
    {"lone high surrogate at the end", R"(\ud83d)", "\uFFFD"},
    {"high surrogate before text", R"(\ud83dA)", "\uFFFDA"},
    {"high surrogate before a non-surrogate", R"(\ud83d\u0041)", "\uFFFDA"},
    {"two high surrogates", R"(\ud83d\ud83d\ude00)", "\uFFFD😀"},
    {"lone low surrogate", R"(x\ude00y)", "x\uFFFDy"},
    {"escape with three digits", R"(\u12)", R"(\u12)"},
    {"escape with a non-digit", R"(\u12G4)", R"(\u12G4)"},
    {"upper-case U", R"(\U5f20)", R"(\U5f20)"},
    {"escaped quote", R"(a\"b)", "a\"b"},
    {"escaped backslash", R"(a\\b)", R"(a\b)"},
    {"escaped slash", R"(http:\/\/x)", "http://x"},
    {"escaped backslash before u", R"(\\u5f20)", R"(\u5f20)"},
    {"other escapes stay", R"(a\nb\t)", R"(a\nb\t)"},
    {"backslash at the end", R"(end\)", R"(end\)"},
    {"raw UTF-8 passes", "鹭岚\\u5f20", "鹭岚张"},
};

INSTANTIATE_TEST_SUITE_P(Names, GetUserNameCases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<DecodeCase>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.label))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

// Random JSON string bodies of the kinds a friend-list page holds: plain ASCII, raw UTF-8,
// \uXXXX escapes of either case (pairs for characters beyond U+FFFF) and \" \\ \/.
class JsonStringBody
{
public:
    explicit JsonStringBody(unsigned seed) : random_(seed) {}

    std::string next()
    {
        std::string body;
        const int pieces = pick(0, 12);
        for (int k = 0; k < pieces; ++k)
            appendPiece(body);
        return body;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void appendEscape(std::string& body, unsigned unit)
    {
        static constexpr char kLower[] = "0123456789abcdef";
        static constexpr char kUpper[] = "0123456789ABCDEF";
        body += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4) {
            const char* digits = pick(0, 1) ? kUpper : kLower;
            body += digits[(unit >> shift) & 0xF];
        }
    }

    unsigned bmpUnit()
    {
        for (;;) {
            const auto unit = static_cast<unsigned>(pick(0x20, 0xFFFF));
            if (unit < 0xD800 || unit > 0xDFFF)
                return unit;
        }
    }

    void appendPiece(std::string& body)
    {
        static const char* const kSimple[] = {R"(\")", R"(\\)", R"(\/)"};
        static const char* const kRaw[] = {"鹭", "岚", "é", "😀", " "};
        switch (pick(0, 5)) {
        case 0: {
            const char c = static_cast<char>(pick(0x20, 0x7E));
            if (c != '"' && c != '\\')
                body += c;
            break;
        }
        case 1:
            appendEscape(body, bmpUnit());
            break;
        case 2: {
            const auto cp = static_cast<unsigned>(pick(0x10000, 0x10FFFF)) - 0x10000;
            appendEscape(body, 0xD800 + (cp >> 10));
            appendEscape(body, 0xDC00 + (cp & 0x3FF));
            break;
        }
        case 3:
            body += kSimple[pick(0, 2)];
            break;
        case 4:
            body += kRaw[pick(0, 4)];
            break;
        default:
            body += std::string(static_cast<std::size_t>(pick(1, 3)), 'a' + pick(0, 5));
        }
    }

    std::mt19937 random_;
};

TEST(GetUserName, AgreesWithAJsonDecoderOnRandomStrings)
{
    JsonStringBody bodies(20240611);
    for (int k = 0; k < 5000; ++k) {
        const std::string body = bodies.next();
        const std::string expected = nlohmann::json::parse("\"" + body + "\"").get<std::string>();
        ASSERT_EQ(GetUserName(body), expected) << "escaped text: " << body;
    }
}

} // namespace
