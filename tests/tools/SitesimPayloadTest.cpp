#include "FriendGenerator.h"
#include "PayloadWriter.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using sitesim::Friend;

std::vector<std::string> cut(const std::string& text, char at)
{
    std::vector<std::string> out(1);
    for (const char c : text) {
        if (c == at) {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

std::string withoutQuotes(std::string text)
{
    std::erase(text, '"');
    return text;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::vector<Friend> hostileFriends()
{
    return sitesim::generateFriends({200, 11, true, "http://127.0.0.1:8080"});
}

TEST(SitesimPayload, TextValuesKeepPlainAsciiAndEscapeTheRest)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"Tony Li-2.0", "Tony Li-2.0"},
        {"张三", "\\u5f20\\u4e09"},
        {"é", "\\u00e9"},
        {"𠮷", "\\ud842\\udfb7"},
        {"🌸", "\\ud83c\\udf38"},
        {"a,b", "a\\u002cb"},
        {"{x}", "\\u007bx\\u007d"},
        {"name:", "name\\u003a"},
        {"\"q\"", "\\u0022q\\u0022"},
        {"a\\b", "a\\u005cb"},
        {"</script>", "\\u003c\\u002fscript\\u003e"},
        {"&'", "\\u0026\\u0027"},
        {"\t\n", "\\u0009\\u000a"},
        {"\xff", "\\ufffd"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(sitesim::escapeTextValue(text), expected) << text;
    }
}

TEST(SitesimPayload, AddressesEscapeOnlyTheSlash)
{
    EXPECT_EQ(sitesim::escapeAddress("http://h:1/avatar/7.svg?s=50,50&t=a'b&c={<x>}"),
              "http:\\/\\/h:1\\/avatar\\/7.svg?s=50,50&t=a'b&c={<x>}");
    EXPECT_EQ(sitesim::escapeAddress("/a\"b\\c d"), "\\/a%22b%5Cc%20d");
}

TEST(SitesimPayload, RecordFieldsComeInTheOrderTheToolCounts)
{
    const Friend person{"100001",       "1", "0", "清华大学", "张三", "http://h/avatar/100001.svg",
                        {"同学", "a,b"}};
    EXPECT_EQ(sitesim::writeFriendRecord(person),
              "{\"id\":\"100001\",\"sex\":\"1\",\"online\":\"0\","
              "\"school\":\"\\u6e05\\u534e\\u5927\\u5b66\",\"name\":\"\\u5f20\\u4e09\","
              "\"head\":\"http:\\/\\/h\\/avatar\\/100001.svg\","
              "\"groups\":[\"\\u540c\\u5b66\",\"a\\u002cb\"]}");
    EXPECT_EQ(sitesim::writePayload({}), "[]");
}

// What the automation does with the payload: cut at every "{", then at every ",", drop
// every '"'. Every friend must still come out with its id in field 0, its name in field 4
// and, in field 5, its avatar address up to the first comma or brace of that address.
TEST(SitesimPayload, CuttingAtBracesAndCommasFindsEveryFieldInItsPlace)
{
    const auto friends = hostileFriends();
    const auto pieces = cut(sitesim::writePayload(friends), '{');
    std::size_t next = 0;
    for (const std::string& piece : pieces) {
        auto fields = cut(piece, ',');
        std::transform(fields.begin(), fields.end(), fields.begin(), withoutQuotes);
        if (!fields[0].starts_with("id")) {
            continue;
        }
        ASSERT_LT(next, friends.size());
        const Friend& person = friends[next++];
        ASSERT_GE(fields.size(), 6U);
        EXPECT_EQ(fields[0], "id:" + person.id);
        EXPECT_EQ(fields[4], "name:" + sitesim::escapeTextValue(person.name)) << person.name;
        const std::string head = replaceAll(fields[5].substr(5), "\\/", "/");
        EXPECT_TRUE(fields[5].starts_with("head:"));
        EXPECT_EQ(head, person.head.substr(0, person.head.find_first_of(",{"))) << person.head;
    }
    EXPECT_EQ(next, friends.size());
}

TEST(SitesimPayload, IsJsonThatDecodesToExactlyTheFriends)
{
    const auto friends = hostileFriends();
    const auto parsed = nlohmann::json::parse(sitesim::writePayload(friends));
    ASSERT_EQ(parsed.size(), friends.size());
    for (std::size_t i = 0; i < friends.size(); ++i) {
        const Friend& person = friends[i];
        const auto& record = parsed[i];
        EXPECT_EQ(record["id"], person.id);
        EXPECT_EQ(record["sex"], person.sex);
        EXPECT_EQ(record["online"], person.online);
        EXPECT_EQ(record["school"], person.school);
        EXPECT_EQ(record["name"], person.name);
        EXPECT_EQ(record["head"], person.head);
        EXPECT_EQ(record["groups"], nlohmann::json(person.groups));
    }
}

TEST(SitesimPayload, HoldsOnlyPrintableAsciiAndNoEndTag)
{
    const std::string payload = sitesim::writePayload(hostileFriends());
    EXPECT_TRUE(std::all_of(payload.begin(), payload.end(),
                            [](unsigned char c) { return c >= 0x20 && c < 0x7F; }));
    EXPECT_EQ(payload.find("</"), std::string::npos);
    EXPECT_EQ(payload.find("<!--"), std::string::npos);
}

} // namespace
