#include "AddressRules.h"
#include "FriendGenerator.h"

#include "friends/Utf8.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iconv.h>
#include <set>

namespace {

using sitesim::Friend;

const std::string origin = "http://127.0.0.1:4321";

std::vector<Friend> make(int count, std::uint64_t seed, bool hostile)
{
    return sitesim::generateFriends({count, seed, hostile, origin});
}

bool fitsGb2312(const std::string& text)
{
    iconv_t converter = iconv_open("GB2312", "UTF-8");
    std::string in = text;
    std::string out(text.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const bool ok =
        iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    return ok;
}

bool hasSupplementary(const std::string& text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        if (nextCodePoint(text, pos) > 0xFFFF) {
            return true;
        }
    }
    return false;
}

bool hasAsciiLetter(const std::string& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
}

TEST(SitesimGenerator, SameSettingsGiveTheSameFriends)
{
    EXPECT_EQ(make(50, 3, false), make(50, 3, false));
    EXPECT_EQ(make(50, 3, true), make(50, 3, true));
    EXPECT_NE(make(50, 3, false), make(50, 4, false));
    EXPECT_TRUE(make(0, 3, true).empty());
    EXPECT_EQ(make(1000, 3, false).size(), 1000U);
}

TEST(SitesimGenerator, IdsAreUniqueDigitsInRisingOrder)
{
    const auto friends = make(500, 9, true);
    for (std::size_t i = 0; i < friends.size(); ++i) {
        const std::string& id = friends[i].id;
        EXPECT_EQ(id.find_first_not_of("0123456789"), std::string::npos) << id;
        if (i > 0) {
            EXPECT_GT(std::stoull(id), std::stoull(friends[i - 1].id));
        }
    }
}

TEST(SitesimGenerator, NamesCoverEveryKindTheToolMustRead)
{
    const auto friends = make(10, 1, false);
    const auto count = [&](auto predicate) {
        return std::count_if(friends.begin(), friends.end(),
                             [&](const Friend& f) { return predicate(f.name); });
    };
    EXPECT_GE(count([](const std::string& n) { return fitsGb2312(n) && !hasAsciiLetter(n); }), 5);
    EXPECT_GE(count(hasAsciiLetter), 1);
    EXPECT_GE(count(hasSupplementary), 1);
    EXPECT_GE(count([](const std::string& n) { return !fitsGb2312(n) && !hasSupplementary(n); }),
              1);
}

TEST(SitesimGenerator, PlainFriendsHaveTameNamesAndTheServersAvatars)
{
    for (const Friend& person : make(300, 5, false)) {
        EXPECT_EQ(person.name.find_first_of(",\"<>&{}'\\/:"), std::string::npos) << person.name;
        EXPECT_FALSE(person.name.empty());
        EXPECT_EQ(person.head, origin + "/avatar/" + person.id + ".svg");
    }
}

TEST(SitesimGenerator, HostileModeOnlyChangesNamesAndAddresses)
{
    const auto plain = make(64, 2, false);
    const auto hostile = make(64, 2, true);
    ASSERT_EQ(plain.size(), hostile.size());
    std::string allNames;
    std::string allQueries;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(hostile[i].id, plain[i].id);
        EXPECT_EQ(hostile[i].school, plain[i].school);
        EXPECT_EQ(hostile[i].groups, plain[i].groups);
        EXPECT_TRUE(hostile[i].head.starts_with(plain[i].head));
        allNames += hostile[i].name;
        allQueries += hostile[i].head.substr(plain[i].head.size());
    }
    for (const char c : std::string(",\"<&{'\\")) {
        EXPECT_NE(allNames.find(c), std::string::npos) << c;
    }
    for (const char c : std::string(",&'{<")) {
        EXPECT_NE(allQueries.find(c), std::string::npos) << c;
    }
}

TEST(SitesimGenerator, AddressesStayReadableAndLookLikeNoPageOfTheSite)
{
    for (const Friend& person : make(300, 8, true)) {
        EXPECT_EQ(person.head.find_first_of("\"\\ "), std::string::npos) << person.head;
        EXPECT_EQ(sitesim::sanitizeAddress(person.head), person.head);
        EXPECT_FALSE(sitesim::holdsPageKeyword(person.head)) << person.head;
        EXPECT_FALSE(sitesim::holdsPageKeyword("/profile.do?id=" + person.id));
    }
}

TEST(SitesimAddressRules, KeywordsMatchAnywhereWhateverTheCase)
{
    const std::vector<std::pair<std::string, bool>> cases = {
        {"/GLogin.do", true},     {"/x/HOME", true},           {"/a?b=Temp", true},
        {"/guide.DO", true},      {"/MyFriendListX.do", true}, {"/newentry.do", true},
        {"/avatar/1.svg", false}, {"/profile.do?id=1", false}, {"/blog/entry?id=2", false},
        {"/logout", false},       {"/hom/e", false},           {"", false}};
    for (const auto& [address, expected] : cases) {
        EXPECT_EQ(sitesim::holdsPageKeyword(address), expected) << address;
    }
}

TEST(SitesimAddressRules, SanitizingEncodesOnlyWhatAQuotedValueCannotHold)
{
    EXPECT_EQ(sitesim::sanitizeAddress("http://h/a.svg?x=1,2&y='{<'"),
              "http://h/a.svg?x=1,2&y='{<'");
    EXPECT_EQ(sitesim::sanitizeAddress("/a\"b\\c d\té"), "/a%22b%5Cc%20d%09%C3%A9");
}

} // namespace
