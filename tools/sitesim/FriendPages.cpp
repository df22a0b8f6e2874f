#include "FriendPages.h"

#include "PayloadWriter.h"
#include "SitePages.h"

#include "generate/HtmlEscape.h"

namespace sitesim {
namespace {

std::string avatarImage(const Friend& person)
{
    return "<img src=\"" + htmlEscape(person.head) + "\" width=\"50\" height=\"50\" alt=\"" +
           htmlEscape(person.name) + "\">";
}

std::string friendItem(const Friend& person)
{
    return "<li><a href=\"/profile.do?id=" + htmlEscape(person.id) + "\">" + avatarImage(person) +
           " " + htmlEscape(person.name) + "</a></li>\n";
}

} // namespace

std::string friendListPage(const std::vector<Friend>& friends)
{
    std::string body = "<h1>好友列表</h1>\n<p><a href=\"/home\">返回</a> 共 " +
                       std::to_string(friends.size()) + " 位好友</p>\n<ul class=\"friends\">\n";
    for (const Friend& person : friends) {
        body += friendItem(person);
    }
    body +=
        "</ul>\n<script type=\"text/plain\" id=\"friends\">" + writePayload(friends) + "</script>";
    return pageShell("好友列表", body);
}

std::string profilePage(const Friend& person)
{
    std::string body = "<h1>" + htmlEscape(person.name) + "</h1>\n<p>" + avatarImage(person) +
                       "</p>\n<p>ID: " + htmlEscape(person.id) + "</p>\n";
    if (!person.school.empty()) {
        body += "<p>学校: " + htmlEscape(person.school) + "</p>\n";
    }
    body += "<p><a href=\"/myfriendlistx.do\">好友列表</a></p>\n";
    return pageShell(person.name, body);
}

} // namespace sitesim
