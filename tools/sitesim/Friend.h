#pragma once

#include <string>
#include <vector>

namespace sitesim {

// One entry of the member's friend list, as the friend-list page publishes it.
struct Friend
{
    std::string id; // decimal digits only: it appears in avatar and profile addresses
    std::string sex;
    std::string online;
    std::string school;
    std::string name; // UTF-8, anything at all
    std::string head; // absolute avatar address; never holds '"' or '\'
    std::vector<std::string> groups;

    bool operator==(const Friend&) const = default;
};

struct Account
{
    std::string email;
    std::string password;
    std::string name;
};

struct SiteData
{
    Account account;
    std::vector<Friend> friends;
};

} // namespace sitesim
