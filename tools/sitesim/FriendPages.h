#pragma once

#include "Friend.h"

#include <string>
#include <vector>

namespace sitesim {

// The visible list, then the payload as the raw text of a
// <script type="text/plain"> that is the document's last element.
std::string friendListPage(const std::vector<Friend>& friends);

std::string profilePage(const Friend& person);

} // namespace sitesim
