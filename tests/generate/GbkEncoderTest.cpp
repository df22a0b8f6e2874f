#include "generate/GbkEncoder.h"

#include <gtest/gtest.h>

namespace {

struct EncodeCase
{
    std::string utf8;
    std::string gbk;
};

TEST(GbkEncoder, EncodesToGbkAndKeepsWhatGbkLacksAsCharacterReferences)
{
    const EncodeCase cases[] = {
        {"", ""},
        {"<td width='30'>\r\n", "<td width='30'>\r\n"},
        {"姓名: ", "\xd0\xd5\xc3\xfb: "},
        {"鹭岚", "\xf0\xd8\xe1\xb0"},
        {"a€b", "a\x80"
                "b"},
        {"丂", "\x81\x40"},
        {"😀", "&#x1F600;"},
        {"x😀y鹭", "x&#x1F600;y\xf0\xd8"},
        {"\u00A0", "&#xA0;"},
        {"\uE000", "&#xE000;"},
        {"bad \xff byte", "bad &#xFFFD; byte"},
        {"cut \xe9\xb9", "cut &#xFFFD;&#xFFFD;"},
    };
    GbkEncoder& encoder = GbkEncoder::forThisThread();
    for (const auto& [utf8, gbk] : cases)
        EXPECT_EQ(encoder.encode(utf8), gbk) << utf8;
}

TEST(GbkEncoder, EncodesALongPageWholly)
{
    std::string utf8;
    std::string gbk;
    for (int k = 0; k < 5000; ++k) {
        utf8 += "<img alt='姓名: 鹭😀'/>\r\n";
        gbk += "<img alt='\xd0\xd5\xc3\xfb: \xf0\xd8&#x1F600;'/>\r\n";
    }
    EXPECT_EQ(GbkEncoder::forThisThread().encode(utf8), gbk);
}

TEST(GbkEncoder, DecodesGbkAndMarksBytesThatStartNoCharacter)
{
    GbkEncoder& encoder = GbkEncoder::forThisThread();
    EXPECT_EQ(encoder.decode("\xd0\xd5\xc3\xfb: x\r\n"), "姓名: x\r\n");
    EXPECT_EQ(encoder.decode("&#x1F600;"), "&#x1F600;");
    EXPECT_EQ(encoder.decode("a\xff"
                             "b"),
              "a\uFFFDb");
    EXPECT_EQ(encoder.decode("end\xd0"), "end\uFFFD");
    const std::string text = "友情提示:鼠标移动到头像上可以出现他的名字,点击头像可以去他的主页";
    EXPECT_EQ(encoder.decode(encoder.encode(text)), text);
}

TEST(GbkEncoder, CodeOfACharacter)
{
    GbkEncoder& encoder = GbkEncoder::forThisThread();
    EXPECT_EQ(encoder.codeOf(U'啊'), "\xb0\xa1");
    EXPECT_EQ(encoder.codeOf(U'A'), "A");
    EXPECT_EQ(encoder.codeOf(U'😀'), "");
    EXPECT_EQ(encoder.codeOf(0xD800), "");
}

} // namespace
