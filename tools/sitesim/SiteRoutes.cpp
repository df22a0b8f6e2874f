#include "SiteRoutes.h"

#include "AvatarSvg.h"
#include "BlogPages.h"
#include "Cookies.h"
#include "FriendPages.h"
#include "SitePages.h"

#include <charconv>
#include <chrono>
#include <thread>

namespace sitesim {
namespace {

constexpr const char* html = "text/html; charset=utf-8";
constexpr const char* sessionCookie = "sid";
constexpr const char* loginAddress = "/GLogin.do";

void redirect(httplib::Response& response, const std::string& location, int status)
{
    response.set_redirect(location, status);
    response.set_content(statusPage(status, "→ " + location), html);
}

void requireLogin(httplib::Response& response, int status = 302)
{
    redirect(response, loginAddress, status);
}

void fail(httplib::Response& response, int status, const std::string& message)
{
    response.status = status;
    response.set_content(statusPage(status, message), html);
}

// A field of a posted form, whether it came url-encoded or as multipart.
// The entry form is sent as multipart: httplib caps url-encoded bodies at 8 KiB, far below a
// generated page.
std::string formValue(const httplib::Request& request, const std::string& name)
{
    if (request.has_param(name)) {
        return request.get_param_value(name);
    }
    if (request.has_file(name)) {
        return request.get_file_value(name).content;
    }
    return {};
}

std::optional<int> numberParam(const httplib::Request& request, const std::string& name)
{
    const std::string text = request.get_param_value(name);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

const char* reasonOf(int status)
{
    switch (status) {
    case 400:
        return "这个请求无法理解。";
    case 404:
        return "没有这个页面。";
    case 405:
        return "这个页面不接受这种请求。";
    case 413:
        return "提交的内容太大。";
    default:
        return "出错了。";
    }
}

// An explicit Handler: httplib's overloads cannot choose for a bare callable.
template <class Method> httplib::Server::Handler bound(SiteRoutes* routes, Method method)
{
    return [routes, method](const httplib::Request& request, httplib::Response& response) {
        (routes->*method)(request, response);
    };
}

} // namespace

SiteRoutes::SiteRoutes(SiteData data, FaultSettings faults)
    : data_(std::move(data)), faults_(faults)
{
    for (std::size_t i = 0; i < data_.friends.size(); ++i) {
        friendIndex_.emplace(data_.friends[i].id, i);
    }
}

void SiteRoutes::install(httplib::Server& server)
{
    server.set_pre_routing_handler([this](const httplib::Request&, httplib::Response&) {
        if (faults_.delayMs > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(faults_.delayMs));
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server.set_error_handler([](const httplib::Request&, httplib::Response& response) {
        if (response.body.empty()) {
            response.set_content(statusPage(response.status, reasonOf(response.status)), html);
        }
    });
    server.set_exception_handler([](const httplib::Request&, httplib::Response& response,
                                    std::exception_ptr) { fail(response, 500, "出错了。"); });
    installHandlers(server);
    installMemberPages(server);
    installBlogPages(server);
}

void SiteRoutes::installHandlers(httplib::Server& server)
{
    server.Get("/", [this](const httplib::Request& request, httplib::Response& response) {
        redirect(response, hasSession(request) ? "/home" : loginAddress, 302);
    });
    server.Get(loginAddress, bound(this, &SiteRoutes::showLogin));
    server.Post(loginAddress, bound(this, &SiteRoutes::login));
    server.Get("/logout", bound(this, &SiteRoutes::logout));
    server.Get("/notice", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(noticePage(), html);
    });
    server.Get(R"(/avatar/(\d{1,18})\.svg)", bound(this, &SiteRoutes::avatar));
    server.Get("/profile.do", bound(this, &SiteRoutes::profile));
}

void SiteRoutes::installMemberPages(httplib::Server& server)
{
    server.Get("/home", [this](const httplib::Request& request, httplib::Response& response) {
        if (!hasSession(request)) {
            return requireLogin(response);
        }
        response.set_content(homePage(data_.account, data_.friends.size()), html);
    });
    server.Get("/myfriendlistx.do",
               [this](const httplib::Request& request, httplib::Response& response) {
                   if (!hasSession(request)) {
                       return requireLogin(response);
                   }
                   response.set_content(friendListPage(data_.friends), html);
               });
}

void SiteRoutes::installBlogPages(httplib::Server& server)
{
    server.Get("/NewEntry.do",
               [this](const httplib::Request& request, httplib::Response& response) {
                   if (!hasSession(request)) {
                       return requireLogin(response);
                   }
                   response.set_content(newEntryPage(), html);
               });
    server.Post("/blog/publish", bound(this, &SiteRoutes::publish));
    server.Get("/blog", [this](const httplib::Request&, httplib::Response& response) {
        response.set_content(blogListPage(blog_.all()), html);
    });
    server.Get("/blog/entry", bound(this, &SiteRoutes::entry));
}

bool SiteRoutes::hasSession(const httplib::Request& request) const
{
    const auto token = findCookie(request.get_header_value("Cookie"), sessionCookie);
    return token && sessions_.contains(*token);
}

bool SiteRoutes::acceptLogin(const std::string& email, const std::string& password)
{
    if (email.empty() || email != data_.account.email || password != data_.account.password) {
        return false;
    }
    return refusedLogins_.fetch_add(1) >= faults_.loginFails;
}

LoginPageOptions SiteRoutes::loginOptions() const
{
    LoginPageOptions options;
    options.withFrame = faults_.frames;
    return options;
}

void SiteRoutes::showLogin(const httplib::Request&, httplib::Response& response)
{
    response.set_content(loginPage(loginOptions()), html);
}

// A refused login answers with the form again at the same address, so every failed
// submission is one more load of the login page.
void SiteRoutes::login(const httplib::Request& request, httplib::Response& response)
{
    const std::string email = formValue(request, "email");
    if (!acceptLogin(email, formValue(request, "password"))) {
        LoginPageOptions options = loginOptions();
        options.error = "帐号或密码错误，请重新输入。";
        options.enteredEmail = email;
        response.set_content(loginPage(options), html);
        return;
    }
    response.set_header("Set-Cookie", std::string(sessionCookie) + "=" + sessions_.open() +
                                          "; Path=/; HttpOnly; SameSite=Lax");
    redirect(response, "/home", 302);
}

void SiteRoutes::logout(const httplib::Request& request, httplib::Response& response)
{
    if (const auto token = findCookie(request.get_header_value("Cookie"), sessionCookie)) {
        sessions_.close(*token);
    }
    response.set_header("Set-Cookie", std::string(sessionCookie) + "=; Path=/; Max-Age=0");
    requireLogin(response);
}

void SiteRoutes::avatar(const httplib::Request& request, httplib::Response& response) const
{
    const Friend* person = findFriend(request.matches[1]);
    if (person == nullptr) {
        return fail(response, 404, "没有这个头像。");
    }
    response.set_content(makeAvatarSvg(*person), "image/svg+xml; charset=utf-8");
}

void SiteRoutes::profile(const httplib::Request& request, httplib::Response& response) const
{
    if (!request.has_param("id")) {
        return fail(response, 400, "缺少 id。");
    }
    const Friend* person = findFriend(request.get_param_value("id"));
    if (person == nullptr) {
        return fail(response, 404, "没有这个用户。");
    }
    response.set_content(profilePage(*person), html);
}

void SiteRoutes::publish(const httplib::Request& request, httplib::Response& response)
{
    if (!hasSession(request)) {
        return requireLogin(response, 303);
    }
    const int id = blog_.add(formValue(request, "Title"), formValue(request, "editor"));
    redirect(response, "/blog/entry?id=" + std::to_string(id), 303);
}

void SiteRoutes::entry(const httplib::Request& request, httplib::Response& response) const
{
    const auto id = numberParam(request, "id");
    if (!id) {
        return fail(response, 400, "id 必须是数字。");
    }
    const auto found = blog_.find(*id);
    if (!found) {
        return fail(response, 404, "没有这篇日志。");
    }
    response.set_content(entryPage(*found), html);
}

const Friend* SiteRoutes::findFriend(const std::string& id) const
{
    const auto it = friendIndex_.find(id);
    return it == friendIndex_.end() ? nullptr : &data_.friends[it->second];
}

} // namespace sitesim
