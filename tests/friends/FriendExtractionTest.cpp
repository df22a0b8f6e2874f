#include "friends/FriendExtraction.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

void PrintTo(const FriendRecord& record, std::ostream* out)
{
    *out << "{id \"" << record.id << "\", name \"" << record.name << "\", head \"" << record.head
         << "\"}";
}

namespace {

// One friend as the friend-list page writes it: id, three fields nobody reads, the escaped
// name, the avatar address with escaped slashes, and a trailing group list.
std::string record(const std::string& id, const std::string& name, const std::string& head)
{
    return R"({"id":)" + id + R"(,"vip":false,"selected":true,"mo":0,"name":")" + name +
           R"(","head":")" + head + R"(","groups":["a","b"]})";
}

std::vector<FriendRecord> completeRecords(const std::string& payload)
{
    std::vector<FriendRecord> records;
    for (const RecognisedRecord& recognised : extractRecords(payload)) {
        EXPECT_TRUE(recognised.complete);
        records.push_back(recognised.record);
    }
    return records;
}

TEST(PayloadThreshold, TwentyCharactersGoOnNineteenStop)
{
    EXPECT_FALSE(payloadLongEnough(""));
    EXPECT_FALSE(payloadLongEnough(std::string(19, 'x')));
    EXPECT_TRUE(payloadLongEnough(std::string(20, 'x')));
    // Characters, not bytes: 19 Chinese characters are 57 bytes and still too few.
    std::string chinese;
    for (int k = 0; k < 19; ++k)
        chinese += "岚";
    EXPECT_FALSE(payloadLongEnough(chinese));
    EXPECT_TRUE(payloadLongEnough(chinese + "岚"));
}

TEST(ExtractRecords, ReadsIdDecodedNameAndAvatarAddressInPageOrder)
{
    const std::string payload =
        "[" + record("1001", R"(\u5f20\u4e09)", R"(http:\/\/head.example.com\/a\/1.jpg)") + "," +
        record("1002", R"(Li \u9e7f)", R"(http:\/\/head.example.com\/2.jpg)") + "]";
    const std::vector<FriendRecord> expected = {
        {"1001", "张三", "http://head.example.com/a/1.jpg"},
        {"1002", "Li 鹿", "http://head.example.com/2.jpg"},
    };
    EXPECT_EQ(completeRecords(payload), expected);
}

TEST(ExtractRecords, PayloadWithoutRecordsGivesNone)
{
    EXPECT_TRUE(extractRecords("<div>no friends here at all</div>").empty());
    EXPECT_TRUE(extractRecords(R"({"name":"x"},{"uid":5,"a":1,"b":2,"c":3,"d":4,"e":5})").empty());
}

TEST(ExtractRecords, EmptyPiecesAreNoRecords)
{
    EXPECT_TRUE(extractRecords("{{{,,,,,,,,,,,,,,,,,,,,{").empty());
}

TEST(ExtractRecords, TextBeforeTheFirstBraceCountsOnlyWhenItBeginsWithId)
{
    const std::string head = R"(http:\/\/h\/0.jpg)";
    const std::string bare = R"(id:7,a,b,c,name:Bare,head:http:\/\/h\/7.jpg)";
    const std::vector<RecognisedRecord> found = extractRecords(bare + record("8", "X", head));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].record, (FriendRecord{"7", "Bare", "http://h/7.jpg"}));
    EXPECT_EQ(found[1].record.id, "8");
    EXPECT_EQ(extractRecords("noise," + record("8", "X", head)).size(), 1u);
}

TEST(ExtractRecords, PayloadWithoutAnyBraceIsOnePiece)
{
    const std::vector<FriendRecord> expected = {{"42", "Solo", "http://h/42.jpg"}};
    EXPECT_EQ(completeRecords(R"("id":42,1,2,3,"name":"Solo","head":"http:\/\/h\/42.jpg")"),
              expected);
}

TEST(ExtractRecords, RecordTestIgnoresCaseButOnlyLowerCaseIdPrefixIsRemoved)
{
    const std::vector<FriendRecord> found = completeRecords(
        R"({"ID":5,a,b,c,"name":"U","head":"h"}{"identity":6,a,b,c,"name":"V","head":"h"})");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].id, "ID:5");
    EXPECT_EQ(found[1].id, "identity:6");
}

TEST(ExtractRecords, RecordWithFewerThanSixFieldsIsRecognisedButIncomplete)
{
    const std::vector<RecognisedRecord> found = extractRecords(
        R"({"id":1,"a":1,"b":2,"c":3,"name":"N"}{"id":2,a,b,c,"name":"M","head":"h"})");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_FALSE(found[0].complete);
    EXPECT_EQ(found[0].record, FriendRecord{});
    EXPECT_TRUE(found[1].complete);
    EXPECT_EQ(found[1].record.name, "M");
}

TEST(ExtractRecords, CommaBraceAndQuoteInsideAStringDoNotShiftFields)
{
    const std::string payload = record("9", R"(Wang, \"Big\" {Wei})", R"(http:\/\/h\/a,b{c}.jpg)") +
                                record("10", "Next", "n.jpg");
    const std::vector<FriendRecord> expected = {
        {"9", R"(Wang, "Big" {Wei})", "http://h/a,b{c}.jpg"},
        {"10", "Next", "n.jpg"},
    };
    EXPECT_EQ(completeRecords(payload), expected);
}

TEST(ExtractRecords, EscapedBackslashBeforeAClosingQuoteEndsTheString)
{
    // "a\\" is the text a\ followed by the end of the string: the comma after it cuts.
    const std::vector<FriendRecord> found =
        completeRecords(R"({"id":3,"x":"a\\","y":1,"z":2,"name":"N\\","head":"h","more":1})");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].name, R"(N\)");
    EXPECT_EQ(found[0].head, "h");
}

TEST(ExtractRecords, AvatarAddressKeepsPlainSlashesAndLosesItsKey)
{
    const std::vector<FriendRecord> found =
        completeRecords(record("1", "N", R"(http://plain/and\/escaped.jpg)"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].head, "http://plain/and/escaped.jpg");
}

TEST(ExtractRecords, AvatarAddressIsTakenAsItStandsUpToTheNextField)
{
    // Nothing but the key is taken from the field: the page always follows the address with
    // more fields, and an address that ended the record would keep the closing brace.
    const std::vector<FriendRecord> found =
        completeRecords(R"({"id":1,a,b,c,"name":"N","head":" h "})");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].head, " h }");
}

TEST(ExtractRecords, EveryOccurrenceOfTheKeysIsRemoved)
{
    const std::vector<FriendRecord> found =
        completeRecords(R"({"id":"id:7",a,b,c,"name":"my name:x","head":"head:h",x})");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], (FriendRecord{"7", "my x", "h"}));
}

} // namespace
