#include "SitePages.h"

#include "generate/HtmlEscape.h"

namespace sitesim {

std::string pageShell(std::string_view title, std::string_view body)
{
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + htmlEscape(title) +
           "</title><style>body{font-family:sans-serif;margin:2em}"
           ".error{color:#b00}ul.friends li{list-style:none;margin:4px 0}"
           "img{vertical-align:middle}</style></head>\n<body>" +
           std::string(body) + "</body></html>\n";
}

std::string loginPage(const LoginPageOptions& options)
{
    std::string body = "<h1>登录</h1>\n";
    if (!options.error.empty()) {
        body += "<p class=\"error\" id=\"error\">" + htmlEscape(options.error) + "</p>\n";
    }
    body += "<form method=\"post\" action=\"/GLogin.do\">\n"
            "<p><label>帐号 <input type=\"text\" name=\"email\" id=\"email\" value=\"" +
            htmlEscape(options.enteredEmail) +
            "\"></label></p>\n"
            "<p><label>密码 <input type=\"password\" name=\"password\" id=\"password\">"
            "</label></p>\n"
            "<p><input type=\"submit\" name=\"submit\" id=\"submit\" value=\"登录\"></p>\n"
            "</form>\n";
    if (options.withFrame) {
        body += "<iframe src=\"/notice\" width=\"400\" height=\"60\" title=\"notice\"></iframe>\n";
    }
    return pageShell("登录", body);
}

std::string noticePage()
{
    return pageShell("公告", "<p>站点公告：本站为本机模拟站点。</p>\n");
}

std::string homePage(const Account& account, std::size_t friendCount)
{
    const std::string name = htmlEscape(account.name);
    return pageShell(account.name,
                     "<h1>" + name +
                         "</h1>\n<ul>\n<li><a href=\"/myfriendlistx.do\">好友列表</a> (" +
                         std::to_string(friendCount) +
                         ")</li>\n<li><a href=\"/NewEntry.do\">写日志</a></li>\n"
                         "<li><a href=\"/blog\">我的日志</a></li>\n"
                         "<li><a href=\"/logout\">退出</a></li>\n</ul>\n");
}

std::string statusPage(int status, std::string_view message)
{
    const std::string code = std::to_string(status);
    return pageShell(code, "<h1>" + code + "</h1>\n<p>" + htmlEscape(message) +
                               "</p>\n<p><a href=\"/GLogin.do\">登录</a></p>\n");
}

} // namespace sitesim
