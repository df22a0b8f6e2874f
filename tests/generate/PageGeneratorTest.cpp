#include "generate/PageGenerator.h"

#include "PageLines.h"
#include "SyntheticFont.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

using Status = GenerationResult::Status;

class PageGeneratorTest : public testing::TestWithParam<PageMode>
{
protected:
    PageGeneratorTest()
    {
        settings_.mode = GetParam();
        settings_.fontPath = folder_.write("HZK16", SyntheticFont(SyntheticFont::kAh + 1).bytes());
    }

    TemporaryFolder folder_;
    GenerationSettings settings_;
};

TEST_P(PageGeneratorTest, NineteenCharactersWriteNothingTwentyWriteAPage)
{
    const GenerationResult tooShort = generatePage(std::string(19, 'x'), settings_);
    EXPECT_EQ(tooShort.status, Status::PayloadTooShort);
    EXPECT_TRUE(tooShort.pageBytes.empty());
    EXPECT_FALSE(tooShort.message.empty());
    EXPECT_EQ(tooShort.message.find('\n'), std::string::npos);

    const GenerationResult enough = generatePage(std::string(20, 'x'), settings_);
    EXPECT_EQ(enough.status, Status::Written);
    EXPECT_FALSE(enough.pageBytes.empty());
    EXPECT_EQ(enough.friends, 0);
}

TEST_P(PageGeneratorTest, ShortPayloadIsReportedBeforeAMissingFont)
{
    settings_.fontPath = folder_.file("absent");
    EXPECT_EQ(generatePage("{}", settings_).status, Status::PayloadTooShort);
}

INSTANTIATE_TEST_SUITE_P(BothModes, PageGeneratorTest,
                         testing::Values(PageMode::NameArt, PageMode::FriendTable),
                         [](const auto& info) {
                             return info.param == PageMode::NameArt ? "NameArt" : "FriendTable";
                         });

TEST(PageGenerator, NameArtWithoutAUsableFontWritesNothingAndSaysWhy)
{
    TemporaryFolder folder;
    GenerationSettings settings;
    const std::string payload = payloadOf({{"1", "A", "a.jpg"}});
    for (const std::string& font :
         {folder.file("absent"), folder.write("empty", ""), folder.path().string()}) {
        settings.fontPath = font;
        const GenerationResult result = generatePage(payload, settings);
        EXPECT_EQ(result.status, Status::FontMissing) << font;
        EXPECT_TRUE(result.pageBytes.empty());
        EXPECT_NE(result.message.find(font), std::string::npos) << result.message;
        EXPECT_EQ(result.message.find('\n'), std::string::npos);
    }
    settings.mode = PageMode::FriendTable;
    EXPECT_EQ(generatePage(payload, settings).status, Status::Written);
}

TEST(PageGenerator, StartsWithTheWindowsStartUpValues)
{
    const GenerationSettings settings;
    EXPECT_EQ(settings.mode, PageMode::NameArt);
    EXPECT_EQ(settings.name, "鹭岚");
    EXPECT_EQ(settings.width, "30");
    EXPECT_EQ(settings.height, "30");
    EXPECT_EQ(settings.blankRows, "4");
    EXPECT_EQ(settings.perRow, "10");
    EXPECT_EQ(settings.mainHost, "www.renren.com");
}

} // namespace
