#pragma once

#include <string>
#include <string_view>
#include <vector>

// Page files as the tests compare them: lists of lines, each ending in CR LF in the file.

inline std::string joinLines(const std::vector<std::string>& lines)
{
    std::string page;
    for (const std::string& line : lines)
        page += line + "\r\n";
    return page;
}

// The lines of a page file; a text after the last CR LF would be a line of its own.
inline std::vector<std::string> splitLines(std::string_view page)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = page.find("\r\n"); end != std::string_view::npos;
         end = page.find("\r\n", start)) {
        lines.emplace_back(page.substr(start, end - start));
        start = end + 2;
    }
    if (start < page.size())
        lines.emplace_back(page.substr(start));
    return lines;
}

// Fixed texts of the pages in GBK, the page file's code page, spelt out byte for byte.
// 友情提示:鼠标移动到头像上可以出现他的名字,点击头像可以去他的主页
inline const std::string kTipGbk =
    "\xd3\xd1\xc7\xe9\xcc\xe1\xca\xbe:\xca\xf3\xb1\xea\xd2\xc6\xb6\xaf\xb5\xbd\xcd\xb7\xcf\xf1"
    "\xc9\xcf\xbf\xc9\xd2\xd4\xb3\xf6\xcf\xd6\xcb\xfb\xb5\xc4\xc3\xfb\xd7\xd6,\xb5\xe3\xbb\xf7"
    "\xcd\xb7\xcf\xf1\xbf\xc9\xd2\xd4\xc8\xa5\xcb\xfb\xb5\xc4\xd6\xf7\xd2\xb3";
// 姓名:
inline const std::string kNameLabelGbk = "\xd0\xd5\xc3\xfb: ";

// A friend-list payload of the page's form: one record per friend, the name escaped as given.
struct PayloadFriend
{
    std::string id;
    std::string escapedName;
    std::string escapedHead;
};

inline std::string payloadOf(const std::vector<PayloadFriend>& friends)
{
    std::string payload = "[";
    for (const PayloadFriend& f : friends) {
        if (payload.size() > 1)
            payload += ",";
        payload += R"({"id":)" + f.id + R"(,"sex":"f","online":"0","school":"","name":")" +
                   f.escapedName + R"(","head":")" + f.escapedHead + R"(","groups":[]})";
    }
    return payload + "]";
}
