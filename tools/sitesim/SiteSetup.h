#pragma once

#include "Friend.h"
#include "Options.h"

#include <string>

namespace sitesim {

Account demoAccount();

// The account and friends the server is started with: read from --data or generated,
// with --email and --password applied last. Throws DataFileError.
SiteData buildSiteData(const Options& options, const std::string& origin);

} // namespace sitesim
