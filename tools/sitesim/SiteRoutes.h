#pragma once

#include "BlogStore.h"
#include "Friend.h"
#include "SessionStore.h"
#include "SitePages.h"

#include <atomic>
#include <httplib.h>
#include <map>
#include <optional>
#include <string>

namespace sitesim {

struct FaultSettings
{
    int delayMs = 0;    // every answer waits this long
    int loginFails = 0; // this many correct logins are refused first
    bool frames = false;
};

// The site's pages and their state. Handlers run on the server's worker threads.
class SiteRoutes
{
public:
    SiteRoutes(SiteData data, FaultSettings faults);

    // Registers every page on the server; this object must outlive it.
    void install(httplib::Server& server);

private:
    void installHandlers(httplib::Server& server);
    void installMemberPages(httplib::Server& server);
    void installBlogPages(httplib::Server& server);

    bool hasSession(const httplib::Request& request) const;
    LoginPageOptions loginOptions() const;
    bool acceptLogin(const std::string& email, const std::string& password);
    void showLogin(const httplib::Request& request, httplib::Response& response);
    void login(const httplib::Request& request, httplib::Response& response);
    void logout(const httplib::Request& request, httplib::Response& response);
    void avatar(const httplib::Request& request, httplib::Response& response) const;
    void profile(const httplib::Request& request, httplib::Response& response) const;
    void publish(const httplib::Request& request, httplib::Response& response);
    void entry(const httplib::Request& request, httplib::Response& response) const;
    const Friend* findFriend(const std::string& id) const;

    SiteData data_;
    FaultSettings faults_;
    std::map<std::string, std::size_t> friendIndex_;
    SessionStore sessions_;
    BlogStore blog_;
    std::atomic<int> refusedLogins_{0};
};

} // namespace sitesim
