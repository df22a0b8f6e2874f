#pragma once

#include "Friend.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sitesim {

class DataFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The JSON form is described in the program's --help text. The account falls back
// to the given one when the file has none. Avatar addresses are left as written:
// resolveAvatarAddresses() completes them once the server's address is known.
SiteData parseSiteData(std::string_view jsonText, const Account& fallback);
SiteData readSiteDataFile(const std::string& path, const Account& fallback);

// An empty head becomes the server's own avatar address, one beginning with "/" is
// put after origin; then the address is made fit for the payload.
void resolveAvatarAddresses(std::vector<Friend>& friends, const std::string& origin);

} // namespace sitesim
