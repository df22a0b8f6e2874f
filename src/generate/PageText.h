#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The page being written, one line at a time. Every line ends in CR LF, the last one too.
// Kept in UTF-8 while it grows; bytes() gives what goes into the page file.
class PageText
{
public:
    // One line made of parts joined with nothing between them.
    void line(std::initializer_list<std::string_view> parts);

    const std::string& utf8() const { return text_; }

    // The page in GBK, as the page file holds it.
    std::string bytes() const;

private:
    std::string text_;
};
