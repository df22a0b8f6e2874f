#include "generate/NameArtWriter.h"
#include "generate/PageGenerator.h"

#include "PageLines.h"
#include "PageWriterTest.h"
#include "SyntheticFont.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string kFirstTable = "<table border='0' cellspacing='0' cellpadding='0' align='center'>";
const std::string kNextTable = "<table  border='0' cellspacing='0' cellpadding='0' align='center'>";
const std::string kBlankRow = "<tr><td width='20' height='20'></tr>";

// 啊 in the test font: a few dots, in the first and the last row among them.
const Glyph kAhGlyph = SyntheticFont::picture({
    "#..............#",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "......####......",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    ".......#........",
});

const Glyph kFullGlyph = SyntheticFont::picture({
    "################",
    "################",
    "################",
    "################",
    "################",
    "################",
    "################",
    "################",
    "################",
    "################",
    "################",
    "################",
    "################",
    "################",
    "################",
    "################",
});

bool drawn(const Glyph& glyph, std::size_t dot)
{
    return (glyph[dot / 8] & (0x80 >> (dot % 8))) != 0;
}

const std::vector<PayloadFriend> kThreeFriends = {
    {"1", "Ann", R"(http:\/\/i.test\/1.jpg)"},
    {"2", R"(\u5f20\u4e09)", R"(http:\/\/i.test\/2.jpg)"},
    {"3", "Cat", R"(http:\/\/i.test\/3.jpg)"},
};

class NameArtWriterTest : public PageWriterTest
{
protected:
    NameArtWriterTest()
    {
        settings_.mainHost = "h.test";
        settings_.name = "啊";
        settings_.fontPath = folder_.file("HZK16");
        useGlyph(kAhGlyph);
    }

    void useGlyph(const Glyph& glyph)
    {
        SyntheticFont font(SyntheticFont::kAh + 1);
        font.set(SyntheticFont::kAh, glyph);
        folder_.write("HZK16", font.bytes());
    }

    // The ids of the friends linked from the drawn cells, in page order.
    std::vector<std::string> linkedIds(const std::string& payload)
    {
        const std::string prefix = "<a href='http://" + settings_.mainHost + "/profile.do?id=";
        std::vector<std::string> ids;
        for (const std::string& line : lines(payload)) {
            if (line.starts_with(prefix))
                ids.push_back(
                    line.substr(prefix.size(), line.find('\'', prefix.size()) - prefix.size()));
        }
        return ids;
    }

    TemporaryFolder folder_;
};

TEST_F(NameArtWriterTest, OneCharacterGivesThisWholeFile)
{
    settings_.width = "30";
    settings_.height = "20";
    settings_.blankRows = "2";
    const std::string cell = "<td width='30' height='20'>";
    const std::vector<std::vector<std::string>> friendLines = {
        {"<a href='http://h.test/profile.do?id=1'target='_blank'>",
         "<img src='http://i.test/1.jpg'alt='" + kNameLabelGbk + "Ann'width='30' height='20'/>"},
        {"<a href='http://h.test/profile.do?id=2'target='_blank'>",
         "<img src='http://i.test/2.jpg'alt='" + kNameLabelGbk +
             "\xd5\xc5\xc8\xfd'width='30' height='20'/>"},
        {"<a href='http://h.test/profile.do?id=3'target='_blank'>",
         "<img src='http://i.test/3.jpg'alt='" + kNameLabelGbk + "Cat'width='30' height='20'/>"},
    };
    std::vector<std::string> expected = {kFirstTable, "<tr>", kTipGbk};
    for (std::size_t row = 0; row < 16; ++row) {
        expected.push_back("<tr>");
        for (std::size_t column = 0; column < 16; ++column) {
            const std::size_t dot = row * 16 + column;
            if (drawn(kAhGlyph, dot)) {
                const std::vector<std::string>& f = friendLines[dot % 3];
                expected.insert(expected.end(), {cell, f[0], f[1], "</a>", "</td>"});
            } else {
                expected.insert(expected.end(), {cell, "<a></a>", "</td>"});
            }
        }
        expected.push_back("</tr>");
    }
    expected.insert(expected.end(), {"</table>", kNextTable, kBlankRow, kBlankRow, "</table>"});

    const GenerationResult result = generate(payloadOf(kThreeFriends));
    EXPECT_EQ(result.pageBytes, joinLines(expected));
    EXPECT_EQ(result.friends, 3);
}

TEST_F(NameArtWriterTest, EmptyNameGivesExactlyFourLines)
{
    settings_.name = "";
    EXPECT_EQ(generate(payloadOf(kThreeFriends)).pageBytes,
              joinLines({kFirstTable, "<tr>", kTipGbk, "</table>"}));
}

TEST_F(NameArtWriterTest, FriendCursorRunsOnOverEveryCellOfEveryCharacter)
{
    // Drawn dots at page positions 0, 15, 118..121, 247, then 256, 271, 374..377, 503;
    // position p shows friend p mod 3 + 1.
    settings_.name = "啊啊";
    const std::vector<std::string> expected = {"1", "1", "2", "3", "1", "2", "2",
                                               "2", "2", "3", "1", "2", "3", "3"};
    EXPECT_EQ(linkedIds(payloadOf(kThreeFriends)), expected);
}

TEST_F(NameArtWriterTest, RepeatedCharacterIsDrawnWithTheFriendsOfItsOwnPositions)
{
    useGlyph(kFullGlyph);
    settings_.name = "啊啊";
    const std::vector<std::string> ids = linkedIds(payloadOf(kThreeFriends));
    ASSERT_EQ(ids.size(), 512u);
    for (std::size_t p = 0; p < ids.size(); ++p)
        ASSERT_EQ(ids[p], std::to_string(p % 3 + 1)) << "page position " << p;
}

TEST_F(NameArtWriterTest, OnlyTheFirstThousandFriendsAreDrawn)
{
    useGlyph(kFullGlyph);
    settings_.name = "啊啊啊啊"; // 1024 cells: positions 1000 to 1023 come round again
    std::vector<PayloadFriend> friends;
    for (int k = 1; k <= 1001; ++k)
        friends.push_back({std::to_string(k), "F", "h.jpg"});
    const GenerationResult result = generate(payloadOf(friends));
    EXPECT_EQ(result.friends, 1000);
    const std::vector<std::string> ids = linkedIds(payloadOf(friends));
    ASSERT_EQ(ids.size(), 1024u);
    EXPECT_EQ(ids[999], "1000");
    EXPECT_EQ(ids[1000], "1");
    EXPECT_EQ(std::count(ids.begin(), ids.end(), "1001"), 0);
}

TEST_F(NameArtWriterTest, RecordsTooShortToReadAreNotDrawn)
{
    useGlyph(kFullGlyph);
    const std::string payload = payloadOf({kThreeFriends[0]}) +
                                R"({"id":99,"a":1,"name":"Short"})" + payloadOf({kThreeFriends[2]});
    EXPECT_EQ(generate(payload).friends, 2);
    const std::vector<std::string> ids = linkedIds(payload);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), "99"), 0);
    EXPECT_EQ(ids[0], "1");
    EXPECT_EQ(ids[1], "3");
}

TEST_F(NameArtWriterTest, WithoutFriendsDrawnCellsHaveEmptyLinksAndImages)
{
    const std::vector<std::string> page = lines("<p>a friend list without friends</p>");
    EXPECT_EQ(std::count(page.begin(), page.end(),
                         "<a href='http://h.test/profile.do?id='target='_blank'>"),
              7);
    EXPECT_EQ(std::count(page.begin(), page.end(),
                         "<img src=''alt='" + kNameLabelGbk + "'width='30' height='30'/>"),
              7);
}

TEST_F(NameArtWriterTest, FriendDataIsEscapedAndKeepsWhatGbkLacks)
{
    const std::vector<PayloadFriend> friends = {{R"("1' onclick='x")",
                                                 R"(' onmouseover='alert(1)' \ud83d\ude00)",
                                                 R"(http:\/\/i.test\/a.jpg?x=1&y=<script>)"}};
    const std::vector<std::string> page = lines(payloadOf(friends));
    EXPECT_NE(
        std::find(page.begin(), page.end(),
                  "<a href='http://h.test/profile.do?id=1&#39; onclick=&#39;x'target='_blank'>"),
        page.end());
    EXPECT_NE(
        std::find(page.begin(), page.end(),
                  "<img src='http://i.test/a.jpg?x=1&amp;y=&lt;script&gt;'alt='" + kNameLabelGbk +
                      "&#39; onmouseover=&#39;alert(1)&#39; &#x1F600;'width='30' height='30'/>"),
        page.end());
}

TEST_F(NameArtWriterTest, BlankRowsFollowTheLeadingNumberOfTheirText)
{
    const std::pair<std::string, std::size_t> cases[] = {
        {"0", 0},   {"", 0},  {"rows", 0},  {"-2", 0},
        {"2.9", 2}, {"3", 3}, {"1rows", 1}, {"99999999", 10000},
    };
    for (const auto& [text, rows] : cases) {
        settings_.blankRows = text;
        const std::vector<std::string> page = lines(payloadOf(kThreeFriends));
        EXPECT_EQ(static_cast<std::size_t>(std::count(page.begin(), page.end(), kBlankRow)), rows)
            << '"' << text << '"';
        EXPECT_EQ(page.back(), "</table>");
    }
}

TEST_F(NameArtWriterTest, WidthAndHeightAreWrittenAsTyped)
{
    settings_.width = "30px";
    settings_.height = " 2em";
    const std::vector<std::string> page = lines(payloadOf(kThreeFriends));
    EXPECT_EQ(std::count(page.begin(), page.end(), "<td width='30px' height=' 2em'>"), 256);
    EXPECT_EQ(std::count(page.begin(), page.end(),
                         "<img src='http://i.test/1.jpg'alt='" + kNameLabelGbk +
                             "Ann'width='30px' height=' 2em'/>"),
              3);
}

TEST_F(NameArtWriterTest, AsciiLetterIsDrawnFromItsFullWidthFormAndASpaceIsBlank)
{
    SyntheticFont font(SyntheticFont::kAh + 1);
    font.set(SyntheticFont::kFullWidthA, kAhGlyph);
    folder_.write("HZK16", font.bytes());
    settings_.name = "A";
    EXPECT_EQ(linkedIds(payloadOf(kThreeFriends)).size(), 7u);
    settings_.name = " ";
    const std::vector<std::string> page = lines(payloadOf(kThreeFriends));
    EXPECT_EQ(std::count(page.begin(), page.end(), "<a></a>"), 256);
    EXPECT_EQ(page.size(), 3 + 16 * (2 + 16 * 3) + 2 + 4 + 1);
}

} // namespace
