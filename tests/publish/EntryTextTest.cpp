#include "publish/EntryText.h"

#include "generate/PageFile.h"
#include "generate/PageGenerator.h"

#include "PageLines.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

class EntryTextTest : public testing::Test
{
protected:
    std::optional<std::string> entryOf(const std::string& bytes)
    {
        return readEntryText(folder_.write("temp.html", bytes));
    }

    TemporaryFolder folder_;
};

TEST_F(EntryTextTest, LinesAreJoinedWithNothingBetweenThem)
{
    EXPECT_EQ(entryOf("<tr>\r\n<td>\r\n</td>\r\n"), "<tr><td></td>");
}

TEST_F(EntryTextTest, CommasBlanksAndQuotesStay)
{
    const std::pair<std::string, std::string> cases[] = {
        {kTipGbk + "\r\n", "友情提示:鼠标移动到头像上可以出现他的名字,点击头像可以去他的主页"},
        {"alt='" + kNameLabelGbk + "Wang, Wei'\r\n", "alt='姓名: Wang, Wei'"},
        {"<table  border='0' cellspacing='0' cellpadding='0' align='center'>\r\n",
         "<table  border='0' cellspacing='0' cellpadding='0' align='center'>"},
        {"  lead and trail  \r\n", "  lead and trail  "},
        {"say \"1\",,2\r\n#3\r\n42\r\n", "say \"1\",,2#342"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(entryOf(bytes), text);
}

TEST_F(EntryTextTest, OnlyCrLfPairsAreLineEnds)
{
    EXPECT_EQ(entryOf("a\nb\rc\r\n\r\nd\r"), "a\nb\rcd\r");
}

TEST_F(EntryTextTest, DecodesGbkAndKeepsCharacterReferences)
{
    EXPECT_EQ(entryOf("\xf0\xd8\xe1\xb0 &#x1F600;\r\n"), "鹭岚 &#x1F600;");
}

TEST_F(EntryTextTest, EmptyFileGivesEmptyTextMissingFileNone)
{
    EXPECT_EQ(entryOf(""), "");
    EXPECT_EQ(readEntryText(folder_.file("absent.html")), std::nullopt);
}

TEST_F(EntryTextTest, GivesBackTheGeneratedPageWithoutItsLineEnds)
{
    GenerationSettings settings;
    settings.mode = PageMode::FriendTable;
    const std::string payload = payloadOf(
        {{"1", R"(Wang, \u5f20)", R"(http:\/\/i\/1.jpg)"}, {"2", R"(\ud83d\ude00 ')", "2.jpg"}});
    const GenerationResult result = generatePage(payload, settings);
    ASSERT_EQ(result.status, GenerationResult::Status::Written);
    const std::string path = folder_.file("temp.html");
    ASSERT_TRUE(writePageFile(path, result.pageBytes, nullptr));
    EXPECT_EQ(readEntryText(path),
              "<html><head></head><body><table border='0' cellspacing='0' cellpadding='0'><tr><td>"
              "<a href='http://www.renren.com/profile.do?id=1'target=_blank><img "
              "src='http://i/1.jpg'alt='姓名: Wang, 张'/></a></td><td><a "
              "href='http://www.renren.com/profile.do?id=2'target=_blank><img "
              "src='2.jpg'alt='姓名: &#x1F600; &#39;'/></a></td></table></body></html>");
}

} // namespace
