#pragma once

#include "Friend.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sitesim {

struct GeneratorSettings
{
    int count = 0;
    std::uint64_t seed = 1;
    bool hostile = false;
    std::string origin; // "http://127.0.0.1:PORT", the prefix of every avatar address
};

// The same settings always give the same friends, on every platform. Most names are
// Chinese in GB2312; every tenth pattern slot mixes in Latin letters, a letter outside
// GB2312, a character outside GB2312 or a supplementary character. With hostile set,
// every fourth friend (from the second on) carries a name made to break readers and
// every sixth (from the fourth on) an avatar address with a hostile query.
std::vector<Friend> generateFriends(const GeneratorSettings& settings);

std::string defaultAvatarAddress(const std::string& origin, const std::string& id);

} // namespace sitesim
