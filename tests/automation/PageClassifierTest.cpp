#include "automation/PageClassifier.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char* address;
    const char* tag;
};

class PageClassifierTest : public testing::TestWithParam<Case>
{
};

TEST_P(PageClassifierTest, TagsTheAddress)
{
    EXPECT_EQ(ClassifyPage(GetParam().address), GetParam().tag);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageClassifierTest,
    testing::Values(Case{"http://www.renren.com/GLogin.do", "LOGIN"}, // case is ignored
                    Case{"http://127.0.0.1:8080/home", "HOME"},
                    Case{"http://www.renren.com/guide.do?from=reg", "HOME"},
                    Case{"http://friend.renren.com/myfriendlistx.do", "FRIENDLIST"},
                    Case{"http://blog.renren.com/NewEntry.do", "NEWENTRY"},
                    Case{"http://x/temp/page", "TEMP"},
                    // first match in table order
                    Case{"http://x/home/myfriendlistx.do", "HOME"},
                    Case{"http://x/myfriendlistx.do?back=home", "HOME"},
                    Case{"http://x/temp/NewEntry.do", "TEMP"},
                    Case{"http://x/GLogin.do?next=home", "LOGIN"},
                    // a substring at the very first character does not match, even when it recurs
                    Case{"home", "home"}, Case{"homepage/home", "homepage/home"},
                    Case{"login.do", "login.do"}, Case{"xhome", "HOME"},
                    // no match: the lower-cased address itself, which never equals a tag
                    Case{"qrc:/nameart/pages/Author.html", "qrc:/nameart/pages/author.html"},
                    Case{"", ""}, Case{"LOGIN", "login"}));

// The bundled author's pages must never trigger a step of the task.
TEST(PageClassifier, AuthorPagesMatchNothing)
{
    for (const char* address : {"qrc:/nameart/pages/author.html", "qrc:/nameart/pages/update.html"})
        EXPECT_EQ(ClassifyPage(address), address);
}

} // namespace
