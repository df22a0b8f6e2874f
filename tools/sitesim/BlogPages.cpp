#include "BlogPages.h"

#include "SitePages.h"

#include "generate/HtmlEscape.h"

namespace sitesim {

std::string newEntryPage()
{
    return pageShell("写日志", "<h1>写日志</h1>\n<form method=\"post\" action=\"/blog/publish\" "
                               "enctype=\"multipart/form-data\">\n"
                               "<p><label>标题 <input type=\"text\" name=\"Title\" id=\"Title\" "
                               "size=\"60\"></label></p>\n"
                               "<p><textarea name=\"editor\" id=\"editor\" rows=\"20\" "
                               "cols=\"100\"></textarea></p>\n"
                               "<p><button type=\"submit\" id=\"publish\">发布</button></p>\n"
                               "</form>\n<p><a href=\"/blog\">我的日志</a></p>\n");
}

std::string entryPage(const BlogEntry& entry)
{
    return pageShell(entry.title, "<h1>" + htmlEscape(entry.title) +
                                      "</h1>\n<div class=\"entry\">" + entry.body +
                                      "</div>\n<p><a href=\"/blog\">我的日志</a></p>\n");
}

std::string blogListPage(const std::vector<BlogEntry>& entries)
{
    std::string body = "<h1>我的日志</h1>\n";
    if (entries.empty()) {
        body += "<p>还没有日志。</p>\n";
    }
    body += "<ul>\n";
    for (const BlogEntry& entry : entries) {
        body += "<li><a href=\"/blog/entry?id=" + std::to_string(entry.id) + "\">" +
                htmlEscape(entry.title) + "</a></li>\n";
    }
    body += "</ul>\n<p><a href=\"/NewEntry.do\">写日志</a></p>\n";
    return pageShell("我的日志", body);
}

} // namespace sitesim
