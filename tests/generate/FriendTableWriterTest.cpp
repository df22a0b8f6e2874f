#include "generate/PageGenerator.h"

#include "PageLines.h"
#include "PageWriterTest.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string kOpening = "<html><head></head><body>";
const std::string kTable = "<table border='0' cellspacing='0' cellpadding='0'>";

std::vector<PayloadFriend> friendsNumbered(int count)
{
    std::vector<PayloadFriend> friends;
    for (int k = 1; k <= count; ++k)
        friends.push_back({std::to_string(k), "F" + std::to_string(k),
                           R"(http:\/\/i.test\/)" + std::to_string(k) + ".jpg"});
    return friends;
}

std::string linkLine(int k)
{
    return "<a href='http://h.test/profile.do?id=" + std::to_string(k) +
           "'target=_blank><img src='http://i.test/" + std::to_string(k) + ".jpg'alt='" +
           kNameLabelGbk + "F" + std::to_string(k) + "'/></a>";
}

class FriendTableWriterTest : public PageWriterTest
{
protected:
    FriendTableWriterTest()
    {
        settings_.mode = PageMode::FriendTable;
        settings_.mainHost = "h.test";
        settings_.fontPath = "/no/font/needed/for/tables";
    }
};

TEST_F(FriendTableWriterTest, TwentyFiveFriendsTenToARowGiveThisWholeFile)
{
    settings_.perRow = "10";
    std::vector<std::string> expected = {kOpening, kTable};
    for (int k = 1; k <= 25; ++k) {
        if (k % 10 == 1)
            expected.push_back("<tr>");
        expected.insert(expected.end(), {"<td>", linkLine(k), "</td>"});
        if (k % 10 == 0)
            expected.push_back("</tr>");
    }
    // The third row, of five, is left open: "</table>" follows its last cell.
    expected.insert(expected.end(), {"</table>", "</body></html>"});
    const GenerationResult result = generate(payloadOf(friendsNumbered(25)));
    EXPECT_EQ(result.pageBytes, joinLines(expected));
    EXPECT_EQ(result.friends, 25);
}

TEST_F(FriendTableWriterTest, RowLengthDecidesWhereRowsOpenAndClose)
{
    struct Case
    {
        std::string perRow;
        int friends;
        long opened;
        long closed;
    };
    const Case cases[] = {
        {"1", 3, 3, 3},   // every friend a row of its own
        {"5", 3, 1, 0},   // more than there are friends: one open row
        {"3", 3, 1, 1},   // exactly full
        {"0", 25, 1, 0},  // never closes: one row for all
        {"", 25, 1, 0},   // reads as 0
        {"4x", 9, 3, 2},  // the leading number
        {"2.5", 6, 1, 0}, // no column is 2.5
    };
    for (const Case& c : cases) {
        settings_.perRow = c.perRow;
        const std::vector<std::string> page = lines(payloadOf(friendsNumbered(c.friends)));
        EXPECT_EQ(std::count(page.begin(), page.end(), "<tr>"), c.opened) << c.perRow;
        EXPECT_EQ(std::count(page.begin(), page.end(), "</tr>"), c.closed) << c.perRow;
        EXPECT_EQ(std::count(page.begin(), page.end(), "<td>"), c.friends) << c.perRow;
        EXPECT_EQ(page[page.size() - 2], "</table>");
    }
}

TEST_F(FriendTableWriterTest, PayloadWithoutRecordsGivesTheBareTable)
{
    EXPECT_EQ(generate("<div>twenty characters or more</div>").pageBytes,
              joinLines({kOpening, kTable, "</table>", "</body></html>"}));
}

TEST_F(FriendTableWriterTest, RecordTooShortToReadGivesAnEmptyCellThatStillCounts)
{
    settings_.perRow = "2";
    const std::string payload =
        payloadOf(friendsNumbered(1)) + R"({"id":9,"a":1})" + payloadOf({friendsNumbered(3)[2]});
    const GenerationResult result = generate(payload);
    EXPECT_EQ(result.pageBytes, joinLines({kOpening, kTable, "<tr>", "<td>", linkLine(1), "</td>",
                                           "<td>", "</td>", "</tr>", "<tr>", "<td>", linkLine(3),
                                           "</td>", "</table>", "</body></html>"}));
    EXPECT_EQ(result.friends, 3);
}

TEST_F(FriendTableWriterTest, FriendDataIsEscapedAndKeepsWhatGbkLacks)
{
    const std::vector<std::string> page =
        lines(payloadOf({{"7", R"(<script>x</script>\ud83d\ude00)", R"(a.jpg' onerror='x)"}}));
    EXPECT_EQ(page[4], "<a href='http://h.test/profile.do?id=7'target=_blank><img src='a.jpg&#39; "
                       "onerror=&#39;x'alt='" +
                           kNameLabelGbk + "&lt;script&gt;x&lt;/script&gt;&#x1F600;'/></a>");
}

} // namespace
