#pragma once

#include <string>

// One friend as the friend-list page gives it, in UTF-8: the account id, the decoded display
// name and the avatar image address (an ordinary URL).
struct FriendRecord
{
    std::string id;
    std::string name;
    std::string head;

    bool operator==(const FriendRecord&) const = default;
};
