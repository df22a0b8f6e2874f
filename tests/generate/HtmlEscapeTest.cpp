#include "generate/HtmlEscape.h"

#include <gtest/gtest.h>

namespace {

TEST(HtmlEscape, EscapesTheFiveMarkupCharactersAndNothingElse)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"张三 Li", "张三 Li"},
        {"&", "&amp;"},
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"' onmouseover='alert(1)", "&#39; onmouseover=&#39;alert(1)"},
        {"say \"hi\"", "say &quot;hi&quot;"},
        {"&amp;", "&amp;amp;"},
        {"a=b;c/d\\e", "a=b;c/d\\e"},
        {"http://h/a.jpg?x=1&y='2'", "http://h/a.jpg?x=1&amp;y=&#39;2&#39;"},
    };
    for (const auto& [text, escaped] : cases)
        EXPECT_EQ(htmlEscape(text), escaped) << text;
}

} // namespace
