#include "AvatarSvg.h"
#include "BlogPages.h"
#include "FriendGenerator.h"
#include "FriendPages.h"
#include "PayloadWriter.h"
#include "SitePages.h"

#include "generate/HtmlEscape.h"

#include <gtest/gtest.h>

namespace {

using sitesim::Friend;

std::vector<Friend> hostileFriends()
{
    return sitesim::generateFriends({64, 1, true, "http://127.0.0.1:1"});
}

TEST(SitesimHtml, EscapingCoversContentAndBothQuoteStyles)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"张三 Li", "张三 Li"},
        {"<script>", "&lt;script&gt;"},
        {"a&amp;b", "a&amp;amp;b"},
        {"\"'", "&quot;&#39;"},
        // Not markup: a browser drops a NUL from text and reads it as U+FFFD inside a value.
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(htmlEscape(text), expected) << text;
    }
}

TEST(SitesimPages, FriendListEndsWithThePayloadScript)
{
    const auto friends = hostileFriends();
    const std::string page = sitesim::friendListPage(friends);
    const std::string tail = "<script type=\"text/plain\" id=\"friends\">" +
                             sitesim::writePayload(friends) + "</script></body></html>\n";
    ASSERT_GE(page.size(), tail.size());
    EXPECT_EQ(page.substr(page.size() - tail.size()), tail);
}

TEST(SitesimPages, EchoedNamesNeverBecomeMarkup)
{
    for (const Friend& person : hostileFriends()) {
        if (person.name.find_first_of("<'\"&") == std::string::npos) {
            continue;
        }
        const std::string escaped = htmlEscape(person.name);
        for (const std::string& page :
             {sitesim::friendListPage({person}), sitesim::profilePage(person)}) {
            EXPECT_EQ(page.find(person.name), std::string::npos) << person.name;
            EXPECT_NE(page.find(escaped), std::string::npos) << person.name;
        }
    }
}

TEST(SitesimPages, LoginFormEscapesWhatItEchoes)
{
    sitesim::LoginPageOptions options;
    options.error = "<b>wrong</b>";
    options.enteredEmail = "\"><script>x</script>";
    const std::string page = sitesim::loginPage(options);
    EXPECT_NE(page.find("&lt;b&gt;wrong&lt;/b&gt;"), std::string::npos);
    EXPECT_NE(page.find("value=\"&quot;&gt;&lt;script&gt;x&lt;/script&gt;\""), std::string::npos);
    EXPECT_EQ(page.find("<iframe"), std::string::npos);
    options.withFrame = true;
    EXPECT_NE(sitesim::loginPage(options).find("<iframe src=\"/notice\""), std::string::npos);
}

TEST(SitesimPages, EntryShowsTheBodyAsHtmlAndTheTitleAsText)
{
    const sitesim::BlogEntry entry{3, "<i>t</i>", "<table><tr><td>x</td></tr></table>"};
    const std::string page = sitesim::entryPage(entry);
    EXPECT_NE(page.find("<h1>&lt;i&gt;t&lt;/i&gt;</h1>"), std::string::npos);
    EXPECT_NE(page.find("<div class=\"entry\"><table><tr><td>x</td></tr></table></div>"),
              std::string::npos);
    const std::string list = sitesim::blogListPage({entry});
    EXPECT_NE(list.find("<a href=\"/blog/entry?id=3\">&lt;i&gt;t&lt;/i&gt;</a>"),
              std::string::npos);
}

TEST(SitesimAvatar, ShowsTheFirstCharacterSafely)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"张三", ">张</text>"},  {"𠮷田", ">𠮷</text>"}, {"<b>", ">&lt;</text>"},
        {"'x", ">&#39;</text>"}, {"", ">?</text>"},      {"\tx", ">?</text>"},
    };
    for (const auto& [name, expected] : cases) {
        const std::string svg = sitesim::makeAvatarSvg({"1", "", "", "", name, "", {}});
        EXPECT_TRUE(svg.starts_with("<svg xmlns=\"http://www.w3.org/2000/svg\"")) << name;
        EXPECT_NE(svg.find(expected), std::string::npos) << name;
    }
}

TEST(SitesimAvatar, ColourFollowsTheId)
{
    EXPECT_EQ(sitesim::avatarColour("100001"), sitesim::avatarColour("100001"));
    std::set<std::string> colours;
    for (const Friend& person : hostileFriends()) {
        const std::string colour = sitesim::avatarColour(person.id);
        EXPECT_EQ(colour.size(), 7U);
        EXPECT_EQ(colour[0], '#');
        colours.insert(colour);
    }
    EXPECT_GT(colours.size(), 20U);
}

} // namespace
