// Runs the real sitesim program on a free port and talks HTTP to it.
#include "AddressRules.h"
#include "FriendGenerator.h"
#include "PayloadWriter.h"
#include "SitesimProcess.h"

#include <csignal>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <nlohmann/json.hpp>
#include <regex>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

constexpr const char* demoEmail = "demo@nameart.test";
constexpr const char* demoPassword = "demo123";
constexpr const char* loginError = "帐号或密码错误";

// One started server and a client for it; the client follows no redirects.
class Site
{
public:
    explicit Site(const std::vector<std::string>& args)
        : process_(withFreePort(args)), port_(process_.waitForPort()), client_("127.0.0.1", port_)
    {
        client_.set_read_timeout(10, 0);
    }

    int port() const { return port_; }
    std::string origin() const { return "http://127.0.0.1:" + std::to_string(port_); }
    httplib::Client& client() { return client_; }
    SitesimProcess& process() { return process_; }

    httplib::Result login(const std::string& email, const std::string& password)
    {
        return client_.Post(
            "/GLogin.do",
            httplib::Params{{"email", email}, {"password", password}, {"submit", "登录"}});
    }

    // Logs in with the given account and returns the session cookie ("sid=...").
    std::string session(const std::string& email = demoEmail,
                        const std::string& password = demoPassword)
    {
        const auto result = login(email, password);
        if (!result || result->status != 302) {
            return {};
        }
        const std::string cookie = result->get_header_value("Set-Cookie");
        return cookie.substr(0, cookie.find(';'));
    }

    httplib::Result get(const std::string& path, const std::string& cookie = {})
    {
        if (cookie.empty()) {
            return client_.Get(path.c_str());
        }
        return client_.Get(path.c_str(), httplib::Headers{{"Cookie", cookie}});
    }

private:
    static std::vector<std::string> withFreePort(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--port", "0"});
        return args;
    }

    SitesimProcess process_;
    int port_;
    httplib::Client client_;
};

// True once answer holds a whole response: its head and as many bytes as it announces.
bool responseComplete(const std::string& answer)
{
    const auto headEnd = answer.find("\r\n\r\n");
    if (headEnd == std::string::npos) {
        return false;
    }
    const std::string key = "Content-Length: ";
    const auto at = answer.find(key);
    const std::size_t length = at < headEnd ? std::stoul(answer.substr(at + key.size())) : 0;
    return answer.size() >= headEnd + 4 + length;
}

// Sends raw bytes and returns the response to them. The server may keep the connection
// open afterwards, so reading stops at the end of the first response.
std::string rawExchange(int port, const std::string& request)
{
    const int sock = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const timeval limit{5, 0};
    setsockopt(sock, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    std::string answer;
    if (connect(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        (void)write(sock, request.data(), request.size());
        char chunk[4096];
        ssize_t got = 0;
        while (!responseComplete(answer) && (got = read(sock, chunk, sizeof chunk)) > 0) {
            answer.append(chunk, static_cast<std::size_t>(got));
        }
    }
    close(sock);
    return answer;
}

std::string pathOf(const std::string& address, const std::string& origin)
{
    return address.starts_with(origin) ? address.substr(origin.size()) : address;
}

std::vector<std::string> linkedAddresses(const std::string& page)
{
    static const std::regex attribute(R"((?:href|src|action)="([^"]*)\")");
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), attribute);
         it != std::sregex_iterator(); ++it) {
        out.push_back((*it)[1]);
    }
    return out;
}

class SitesimServer : public ::testing::Test
{
protected:
    static constexpr int friendCount = 40;
    Site site{{"--friends", std::to_string(friendCount), "--seed", "7", "--hostile"}};

    std::vector<sitesim::Friend> expectedFriends() const
    {
        return sitesim::generateFriends({friendCount, 7, true, site.origin()});
    }
};

TEST_F(SitesimServer, StartsOnAFreePortAndAnnouncesTheDemoAccount)
{
    ASSERT_GT(site.port(), 0);
    EXPECT_EQ(site.process().readLine(), std::string("account: ") + demoEmail);
    EXPECT_EQ(site.process().readLine(), std::string("password: ") + demoPassword);
}

TEST_F(SitesimServer, LoginPageHoldsTheFormTheToolFills)
{
    const auto page = site.get("/GLogin.do");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find("<form method=\"post\" action=\"/GLogin.do\">"), std::string::npos);
    for (const char* name :
         {"name=\"email\"", "name=\"password\"", "type=\"submit\" name=\"submit\""}) {
        EXPECT_NE(page->body.find(name), std::string::npos) << name;
    }
    EXPECT_EQ(page->body.find("<iframe"), std::string::npos);
}

TEST_F(SitesimServer, RightCredentialsOpenASessionAndLeadToTheHomePage)
{
    const auto answer = site.login(demoEmail, demoPassword);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 302);
    EXPECT_EQ(answer->get_header_value("Location"), "/home");
    const std::string cookie = site.session();
    ASSERT_TRUE(cookie.starts_with("sid=")) << cookie;

    const auto home = site.get("/home", cookie);
    ASSERT_TRUE(home);
    EXPECT_EQ(home->status, 200);
    EXPECT_NE(home->body.find("演示用户"), std::string::npos);
    EXPECT_NE(home->body.find("href=\"/myfriendlistx.do\""), std::string::npos);
    EXPECT_NE(home->body.find("href=\"/NewEntry.do\""), std::string::npos);
}

TEST_F(SitesimServer, RefusedLoginsShowTheLoginPageAgain)
{
    struct Case
    {
        const char* what;
        httplib::Params form;
    };
    const std::vector<Case> cases = {
        {"wrong password", {{"email", demoEmail}, {"password", "demo124"}}},
        {"wrong email", {{"email", "Demo@nameart.test"}, {"password", demoPassword}}},
        {"both empty", {{"email", ""}, {"password", ""}}},
        {"no fields at all", {}},
        {"password only", {{"password", demoPassword}}},
    };
    for (const Case& c : cases) {
        const auto answer = site.client().Post("/GLogin.do", c.form);
        ASSERT_TRUE(answer) << c.what;
        EXPECT_EQ(answer->status, 200) << c.what;
        EXPECT_NE(answer->body.find(loginError), std::string::npos) << c.what;
        EXPECT_NE(answer->body.find("name=\"submit\""), std::string::npos) << c.what;
        EXPECT_FALSE(answer->has_header("Set-Cookie")) << c.what;
    }
}

TEST_F(SitesimServer, FailedLoginEchoesTheEmailEscaped)
{
    const auto answer = site.login("\"><script>x</script>", "no");
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->body.find("<script>x"), std::string::npos);
    EXPECT_NE(answer->body.find("&quot;&gt;&lt;script&gt;x"), std::string::npos);
}

TEST_F(SitesimServer, MemberPagesSendVisitorsWithoutASessionToTheLogin)
{
    const std::vector<std::string> cookies = {"", "sid=0123456789abcdef0123456789abcdef",
                                              "other=1; sid="};
    for (const std::string& cookie : cookies) {
        for (const char* path : {"/home", "/myfriendlistx.do", "/NewEntry.do"}) {
            const auto answer = site.get(path, cookie);
            ASSERT_TRUE(answer) << path;
            EXPECT_EQ(answer->status, 302) << path << " with '" << cookie << "'";
            EXPECT_EQ(answer->get_header_value("Location"), "/GLogin.do") << path;
        }
        httplib::Headers headers;
        if (!cookie.empty()) {
            headers.emplace("Cookie", cookie);
        }
        const auto publish = site.client().Post("/blog/publish", headers,
                                                httplib::Params{{"Title", "t"}, {"editor", "e"}});
        ASSERT_TRUE(publish);
        EXPECT_EQ(publish->status, 303);
        EXPECT_EQ(publish->get_header_value("Location"), "/GLogin.do");
    }
    EXPECT_NE(site.get("/blog")->body.find("还没有日志"), std::string::npos);
}

TEST_F(SitesimServer, LoggingOutEndsTheSession)
{
    const std::string cookie = site.session();
    ASSERT_EQ(site.get("/home", cookie)->status, 200);
    EXPECT_EQ(site.get("/logout", cookie)->status, 302);
    EXPECT_EQ(site.get("/home", cookie)->status, 302);
}

TEST_F(SitesimServer, FriendListPayloadIsTheTextOfTheLastElement)
{
    const auto page = site.get("/myfriendlistx.do", site.session());
    ASSERT_TRUE(page);
    ASSERT_EQ(page->status, 200);
    const std::string& body = page->body;
    const std::string opening = "<script type=\"text/plain\" id=\"friends\">";
    const auto start = body.rfind(opening);
    ASSERT_NE(start, std::string::npos);
    const auto payloadStart = start + opening.size();
    const auto end = body.find("</script>", payloadStart);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(body.substr(end), "</script></body></html>\n");
    const std::string payload = body.substr(payloadStart, end - payloadStart);
    EXPECT_EQ(payload.find("</"), std::string::npos) << "nothing may end the script early";
    EXPECT_EQ(payload.find("<!--"), std::string::npos);
    EXPECT_EQ(payload, sitesim::writePayload(expectedFriends()));
    const auto parsed = nlohmann::json::parse(payload);
    ASSERT_EQ(parsed.size(), static_cast<std::size_t>(friendCount));
    EXPECT_TRUE(parsed[0]["head"].get<std::string>().starts_with(site.origin() + "/avatar/"));
}

TEST_F(SitesimServer, EveryAvatarAddressIsServedQueryAndAll)
{
    int hostileQueries = 0;
    for (const sitesim::Friend& person : expectedFriends()) {
        const std::string path = pathOf(person.head, site.origin());
        hostileQueries += path.find('?') != std::string::npos;
        const auto answer = site.get(path);
        ASSERT_TRUE(answer) << path;
        EXPECT_EQ(answer->status, 200) << path;
        EXPECT_EQ(answer->get_header_value("Content-Type"), "image/svg+xml; charset=utf-8");
        EXPECT_TRUE(answer->body.starts_with("<svg")) << path;
    }
    EXPECT_GT(hostileQueries, 0);
    EXPECT_EQ(site.get("/avatar/1.svg")->status, 404);
    EXPECT_EQ(site.get("/avatar/abc.svg")->status, 404);
}

TEST_F(SitesimServer, ProfilePagesShowTheFriendOrAnswerWithAnError)
{
    const sitesim::Friend hostile = expectedFriends()[9]; // "<script>alert(1)</script>赵"
    ASSERT_NE(hostile.name.find("<script>"), std::string::npos);
    const auto page = site.get("/profile.do?id=" + hostile.id);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find("&lt;script&gt;alert(1)&lt;/script&gt;赵"), std::string::npos);
    EXPECT_EQ(page->body.find("<script>"), std::string::npos);

    const std::vector<std::pair<std::string, int>> errors = {{"/profile.do?id=1", 404},
                                                             {"/profile.do?id=", 404},
                                                             {"/profile.do?id=%3Cb%3E", 404},
                                                             {"/profile.do", 400}};
    for (const auto& [path, status] : errors) {
        const auto answer = site.get(path);
        ASSERT_TRUE(answer) << path;
        EXPECT_EQ(answer->status, status) << path;
        EXPECT_NE(answer->body.find("<h1>" + std::to_string(status) + "</h1>"), std::string::npos);
    }
}

TEST_F(SitesimServer, PublishedEntryIsStoredAsSentAndListed)
{
    const std::string cookie = site.session();
    const auto form = site.get("/NewEntry.do", cookie);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->status, 200);
    EXPECT_NE(form->body.find("name=\"Title\""), std::string::npos);
    EXPECT_NE(form->body.find("<textarea name=\"editor\""), std::string::npos);
    EXPECT_EQ(form->body.find("name=\"submit\""), std::string::npos);

    const std::string title = "朋友们，你们咋都在我名字里...<b>赞</b>";
    const std::string body = "<table border='0'><tr><td><img src='x' alt='姓名: 张,三'/></td></tr>"
                             "</table>";
    const auto published = site.client().Post("/blog/publish", httplib::Headers{{"Cookie", cookie}},
                                              httplib::Params{{"Title", title}, {"editor", body}});
    ASSERT_TRUE(published);
    EXPECT_EQ(published->status, 303);
    const std::string location = published->get_header_value("Location");
    EXPECT_EQ(location, "/blog/entry?id=1");
    EXPECT_FALSE(sitesim::holdsPageKeyword(location));

    const auto entry = site.get(location);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->status, 200);
    EXPECT_NE(entry->body.find("<div class=\"entry\">" + body + "</div>"), std::string::npos);
    EXPECT_NE(entry->body.find("<h1>朋友们，你们咋都在我名字里...&lt;b&gt;赞&lt;/b&gt;</h1>"),
              std::string::npos);
    const auto list = site.get("/blog");
    EXPECT_NE(list->body.find("<a href=\"/blog/entry?id=1\">"), std::string::npos);
    EXPECT_EQ(site.get("/blog/entry?id=2")->status, 404);
    EXPECT_EQ(site.get("/blog/entry?id=x")->status, 400);
    EXPECT_EQ(site.get("/blog/entry")->status, 400);
}

// A generated page runs to hundreds of kilobytes; the entry form posts it as multipart, which
// the server takes whole.
TEST_F(SitesimServer, LargeEntryFromTheFormIsPublishedWhole)
{
    const std::string cookie = site.session();
    ASSERT_NE(site.get("/NewEntry.do", cookie)->body.find("enctype=\"multipart/form-data\""),
              std::string::npos);
    std::string body;
    while (body.size() < 600 * 1024)
        body += "<td width='30' height='30'><a></a></td>";
    const httplib::MultipartFormDataItems items = {{"Title", "t", "", ""},
                                                   {"editor", body, "", ""}};
    const auto published =
        site.client().Post("/blog/publish", httplib::Headers{{"Cookie", cookie}}, items);
    ASSERT_TRUE(published);
    ASSERT_EQ(published->status, 303);
    const auto entry = site.get(published->get_header_value("Location"));
    EXPECT_NE(entry->body.find("<div class=\"entry\">" + body + "</div>"), std::string::npos);
}

TEST_F(SitesimServer, NoOtherAddressLooksLikeAPageTheToolActsOn)
{
    const std::string cookie = site.session();
    const std::vector<std::string> knownPages = {"/GLogin.do", "/home", "/myfriendlistx.do",
                                                 "/NewEntry.do"};
    std::vector<std::string> addresses;
    for (const char* page : {"/home", "/myfriendlistx.do", "/NewEntry.do", "/blog"}) {
        const auto answer = site.get(page, cookie);
        ASSERT_TRUE(answer);
        const auto found = linkedAddresses(answer->body);
        addresses.insert(addresses.end(), found.begin(), found.end());
    }
    EXPECT_GT(addresses.size(), static_cast<std::size_t>(2 * friendCount));
    for (const std::string& address : addresses) {
        const std::string path = pathOf(address, site.origin());
        const bool known =
            std::find(knownPages.begin(), knownPages.end(), path) != knownPages.end();
        EXPECT_TRUE(known || !sitesim::holdsPageKeyword(path)) << address;
    }
}

TEST_F(SitesimServer, BadRequestsGetAShortErrorPage)
{
    const std::string garbage = rawExchange(site.port(), "GARBAGE\r\n\r\n");
    EXPECT_TRUE(garbage.starts_with("HTTP/1.1 400")) << garbage.substr(0, 40);
    EXPECT_NE(garbage.find("<h1>400</h1>"), std::string::npos);
    const std::string binary = rawExchange(site.port(), std::string("\0\xff\xfe\r\n\r\n", 7));
    EXPECT_TRUE(binary.starts_with("HTTP/1.1 400")) << binary.substr(0, 40);

    const auto unknown = site.get("/no/such/page");
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->status, 404);
    EXPECT_NE(unknown->body.find("<h1>404</h1>"), std::string::npos);
    const auto wrongMethod = site.client().Put("/GLogin.do", "x", "text/plain");
    ASSERT_TRUE(wrongMethod);
    EXPECT_GE(wrongMethod->status, 400);
    EXPECT_LT(wrongMethod->status, 500);
    EXPECT_EQ(site.get("/GLogin.do")->status, 200) << "still serving after the bad requests";
}

TEST(SitesimFaults, LoginFailsRefusesTheFirstCorrectSubmissions)
{
    Site site({"--login-fails", "2"});
    for (int attempt = 1; attempt <= 2; ++attempt) {
        const auto refused = site.login(demoEmail, demoPassword);
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->status, 200) << attempt;
        EXPECT_NE(refused->body.find(loginError), std::string::npos) << attempt;
    }
    EXPECT_EQ(site.login(demoEmail, "wrong")->status, 200);
    EXPECT_EQ(site.login(demoEmail, demoPassword)->status, 302);
}

TEST(SitesimFaults, FramesPutASmallPageInsideTheLoginPage)
{
    Site site({"--frames"});
    const auto page = site.get("/GLogin.do");
    ASSERT_TRUE(page);
    const std::smatch frame = [&] {
        std::smatch match;
        std::regex_search(page->body, match, std::regex(R"(<iframe src="([^"]+)\")"));
        return match;
    }();
    ASSERT_FALSE(frame.empty());
    EXPECT_EQ(site.get(frame[1].str())->status, 200);
    EXPECT_NE(site.login(demoEmail, "wrong")->body.find("<iframe"), std::string::npos);
}

TEST(SitesimFaults, DelayHoldsBackEveryAnswer)
{
    Site site({"--delay-ms", "300"});
    for (const char* path : {"/GLogin.do", "/no/such/page"}) {
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(site.get(path));
        EXPECT_GE(std::chrono::steady_clock::now() - start, 300ms) << path;
    }
}

TEST(SitesimLifetime, StopSignalsEndItWithStatusZero)
{
    for (const int signal : {SIGTERM, SIGINT}) {
        Site site({});
        ASSERT_GT(site.port(), 0);
        ASSERT_TRUE(site.get("/GLogin.do")); // leaves an idle keep-alive connection open
        site.process().sendSignal(signal);
        EXPECT_EQ(site.process().waitForExit(5s), 0) << signal;
    }
}

TEST(SitesimLifetime, ExitAfterEndsItByItself)
{
    Site site({"--exit-after", "1"});
    ASSERT_GT(site.port(), 0);
    EXPECT_EQ(site.process().waitForExit(6s), 0);
}

TEST(SitesimLifetime, BadArgumentsStopItBeforeItListens)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--port", "abc"},
        {"--port", "70000"},
        {"--friends", "-1"},
        {"--no-such-option"},
        {"--delay-ms"},
        {"--email", ""},
        {"--data", SITESIM_SAMPLE_DATA, "--friends", "3"},
        {"--data", "/nonexistent/friends.json"},
    };
    for (const auto& args : cases) {
        SitesimProcess process(args, true);
        const auto line = process.readLine();
        ASSERT_TRUE(line) << args[0];
        EXPECT_TRUE(line->starts_with("sitesim: ")) << *line;
        EXPECT_EQ(process.waitForExit(5s), 2) << args[0];
    }
}

TEST(SitesimData, DataFileGivesTheAccountAndTheFriends)
{
    Site site({"--data", SITESIM_SAMPLE_DATA});
    EXPECT_EQ(site.login(demoEmail, demoPassword)->status, 200);
    const std::string cookie = site.session("sample@nameart.test", "sample123");
    ASSERT_FALSE(cookie.empty());
    const auto page = site.get("/myfriendlistx.do", cookie);
    ASSERT_TRUE(page);
    const auto start = page->body.rfind("\">[") + 2;
    const auto payload =
        nlohmann::json::parse(page->body.substr(start, page->body.rfind("</script>") - start));
    ASSERT_EQ(payload.size(), 8U);
    EXPECT_EQ(payload[3]["name"], "𠮷田花子");
    EXPECT_EQ(payload[6]["head"], site.origin() + "/avatar/100007.svg?size=50,50");
    EXPECT_EQ(payload[7]["id"], "100008");
    EXPECT_EQ(site.get(pathOf(payload[6]["head"].get<std::string>(), site.origin()))->status, 200);
}

TEST(SitesimData, EmailAndPasswordOptionsReplaceTheAccount)
{
    Site site({"--email", "me@example.test", "--password", "秘密 1"});
    EXPECT_EQ(site.process().readLine(), "account: me@example.test");
    EXPECT_EQ(site.login(demoEmail, demoPassword)->status, 200);
    EXPECT_EQ(site.login("me@example.test", "秘密 1")->status, 302);
}

} // namespace
