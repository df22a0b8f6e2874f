#include "BlogStore.h"
#include "Cookies.h"
#include "DataFile.h"
#include "Options.h"
#include "SessionStore.h"
#include "SiteSetup.h"

#include <gtest/gtest.h>

namespace {

using sitesim::parseOptions;

TEST(SitesimOptions, DefaultsAndEveryOptionInBothSpellings)
{
    const auto defaults = parseOptions({});
    EXPECT_TRUE(defaults.error.empty());
    EXPECT_EQ(defaults.options.port, 0);
    EXPECT_EQ(defaults.options.friends, 100);
    EXPECT_EQ(defaults.options.exitAfterSeconds, 0);
    EXPECT_FALSE(defaults.options.email);

    const auto all =
        parseOptions({"--port", "8080", "--friends=300", "--seed", "18446744073709551615",
                      "--hostile", "--email", "a@b", "--password=p=q", "--delay-ms", "250",
                      "--login-fails=3", "--frames", "--exit-after", "9"});
    ASSERT_TRUE(all.error.empty()) << all.error;
    const auto& o = all.options;
    EXPECT_EQ(o.port, 8080);
    EXPECT_EQ(o.friends, 300);
    EXPECT_EQ(o.seed, 18446744073709551615ULL);
    EXPECT_TRUE(o.hostile);
    EXPECT_EQ(o.email, "a@b");
    EXPECT_EQ(o.password, "p=q");
    EXPECT_EQ(o.delayMs, 250);
    EXPECT_EQ(o.loginFails, 3);
    EXPECT_TRUE(o.frames);
    EXPECT_EQ(o.exitAfterSeconds, 9);
    EXPECT_TRUE(parseOptions({"--help"}).options.help);
    EXPECT_EQ(parseOptions({"--data", "f.json", "--email", "x"}).options.dataFile, "f.json");
}

TEST(SitesimOptions, BadArgumentsSayWhatIsWrong)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--port", "65536"}, "--port wants a whole number from 0 to 65535"},
        {{"--port", "80x"}, "--port wants"},
        {{"--friends", "-1"}, "--friends wants"},
        {{"--friends", ""}, "--friends wants"},
        {{"--seed", "-1"}, "--seed wants"},
        {{"--delay-ms"}, "--delay-ms needs a value"},
        {{"--email", ""}, "--email wants a text that is not empty"},
        {{"--bogus"}, "unknown option --bogus"},
        {{"friends"}, "unknown option friends"},
        {{"--hostile=1"}, "unknown option --hostile=1"},
        {{"--data", "f", "--hostile"}, "--hostile cannot be used with --data"},
        {{"--seed", "2", "--data=f"}, "--seed cannot be used with --data"},
    };
    for (const auto& [args, expected] : cases) {
        const auto parsed = parseOptions(args);
        EXPECT_TRUE(parsed.error.starts_with(expected)) << args[0] << ": " << parsed.error;
    }
}

TEST(SitesimDataFile, TheShippedSampleLoads)
{
    auto data = sitesim::readSiteDataFile(SITESIM_SAMPLE_DATA, sitesim::demoAccount());
    EXPECT_EQ(data.account.email, "sample@nameart.test");
    EXPECT_EQ(data.account.password, "sample123");
    ASSERT_EQ(data.friends.size(), 8U);
    EXPECT_EQ(data.friends[7].id, "100008");
    EXPECT_EQ(data.friends[7].sex, "0");
    sitesim::resolveAvatarAddresses(data.friends, "http://o:1");
    EXPECT_EQ(data.friends[0].head, "http://o:1/avatar/100001.svg");
    EXPECT_EQ(data.friends[6].head, "http://o:1/avatar/100007.svg?size=50,50");
}

TEST(SitesimDataFile, ProblemsAreReportedNotServed)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "not valid JSON"},
        {"[1]", "one JSON object"},
        {"{}", "\"friends\" must be a list"},
        {R"({"friends":[1]})", "friend 1: must be an object"},
        {R"({"friends":[{"name":"a"}]})", "friend 1: \"id\" must be 1 to 18 decimal digits"},
        {R"({"friends":[{"id":"12a","name":"a"}]})", "friend 1: \"id\""},
        {R"({"friends":[{"id":"1"}]})", "friend 1: \"name\" is missing"},
        {R"({"friends":[{"id":"1","name":["a"]}]})", "friend 1: \"name\" must be a text"},
        {R"({"friends":[{"id":"1","name":"a"},{"id":1,"name":"b"}]})",
         "friend 2: \"id\" 1 is used twice"},
        {R"({"friends":[{"id":"1","name":"a","head":"/x/home.svg"}]})", "friend 1: \"head\" holds"},
        {R"({"friends":[{"id":"1","name":"a","head":"x.svg"}]})", "friend 1: \"head\" must begin"},
        {R"({"friends":[{"id":"1","name":"a","groups":"g"}]})", "friend 1: \"groups\""},
        {R"({"account":{"email":""},"friends":[]})", "account: \"email\" and \"password\""},
        {R"({"account":3,"friends":[]})", "\"account\" must be an object"},
    };
    for (const auto& [text, expected] : cases) {
        try {
            sitesim::parseSiteData(text, sitesim::demoAccount());
            ADD_FAILURE() << "accepted: " << text;
        } catch (const sitesim::DataFileError& error) {
            EXPECT_NE(std::string(error.what()).find(expected), std::string::npos)
                << text << " -> " << error.what();
        }
    }
    EXPECT_THROW(sitesim::readSiteDataFile("/nonexistent/x.json", sitesim::demoAccount()),
                 sitesim::DataFileError);
}

TEST(SitesimDataFile, AddressesAreCompletedAndMadeSafe)
{
    std::vector<sitesim::Friend> friends(3);
    friends[0].id = "5";
    friends[1].head = "/avatar/6.svg?q=\"x\"";
    friends[2].head = "https://elsewhere.test/p\\q.png";
    sitesim::resolveAvatarAddresses(friends, "http://o:1");
    EXPECT_EQ(friends[0].head, "http://o:1/avatar/5.svg");
    EXPECT_EQ(friends[1].head, "http://o:1/avatar/6.svg?q=%22x%22");
    EXPECT_EQ(friends[2].head, "https://elsewhere.test/p%5Cq.png");
}

TEST(SitesimSetup, OptionsChooseTheDataAndOverrideTheAccount)
{
    auto parsed = parseOptions({"--friends", "7", "--password", "pw"});
    auto data = sitesim::buildSiteData(parsed.options, "http://o:1");
    EXPECT_EQ(data.friends.size(), 7U);
    EXPECT_EQ(data.account.email, "demo@nameart.test");
    EXPECT_EQ(data.account.password, "pw");

    parsed = parseOptions({"--data", SITESIM_SAMPLE_DATA, "--email", "e@x"});
    data = sitesim::buildSiteData(parsed.options, "http://o:1");
    EXPECT_EQ(data.friends.size(), 8U);
    EXPECT_EQ(data.account.email, "e@x");
    EXPECT_EQ(data.account.password, "sample123");
    EXPECT_EQ(data.friends[1].head, "http://o:1/avatar/100002.svg");
}

TEST(SitesimCookies, FindsTheNamedCookieOnly)
{
    const std::vector<std::tuple<std::string, std::optional<std::string>>> cases = {
        {"sid=abc", "abc"},         {"a=1; sid=abc; b=2", "abc"}, {"  sid = abc ;", "abc"},
        {"xsid=abc", std::nullopt}, {"sidx=1; sid=2", "2"},       {"sid=", ""},
        {"sid", std::nullopt},      {"", std::nullopt},           {";;;", std::nullopt},
    };
    for (const auto& [header, expected] : cases) {
        EXPECT_EQ(sitesim::findCookie(header, "sid"), expected) << header;
    }
}

TEST(SitesimStores, SessionsAreDistinctUntilClosed)
{
    sitesim::SessionStore sessions;
    const std::string first = sessions.open();
    const std::string second = sessions.open();
    EXPECT_NE(first, second);
    EXPECT_EQ(first.size(), 32U);
    EXPECT_TRUE(sessions.contains(first));
    EXPECT_FALSE(sessions.contains(""));
    sessions.close(first);
    sessions.close("unknown");
    EXPECT_FALSE(sessions.contains(first));
    EXPECT_TRUE(sessions.contains(second));
}

TEST(SitesimStores, EntriesAreNumberedFromOne)
{
    sitesim::BlogStore blog;
    EXPECT_FALSE(blog.find(1));
    EXPECT_EQ(blog.add("a", "<b>x</b>"), 1);
    EXPECT_EQ(blog.add("", ""), 2);
    EXPECT_EQ(blog.find(1)->body, "<b>x</b>");
    EXPECT_FALSE(blog.find(0));
    EXPECT_FALSE(blog.find(3));
    EXPECT_EQ(blog.all().size(), 2U);
}

} // namespace
