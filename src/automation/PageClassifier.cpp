#include "automation/PageClassifier.h"

#include <array>
#include <utility>

namespace {

struct Rule
{
    const char* substring;
    const char* tag;
};

// Order matters: the first match wins ("home" before "myfriendlistx.do", "temp" before
// "newentry.do").
constexpr std::array<Rule, 6> kRules{{
    {"login.do", kTagLogin},
    {"home", kTagHome},
    {"guide.do", kTagHome},
    {"myfriendlistx.do", kTagFriendList},
    {"temp", kTagTemp},
    {"newentry.do", kTagNewEntry},
}};

// Only the first occurrence counts, and only when it is not at the very start.
bool matchesAfterFirstCharacter(const std::string& address, const char* substring)
{
    const std::size_t at = address.find(substring);
    return at != std::string::npos && at >= 1;
}

} // namespace

std::string lowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string ClassifyPage(const std::string& address)
{
    std::string lowered = lowerAscii(address);
    for (const Rule& rule : kRules)
        if (matchesAfterFirstCharacter(lowered, rule.substring))
            return rule.tag;
    return lowered;
}
