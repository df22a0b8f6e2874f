#include "SiteSetup.h"

#include "DataFile.h"
#include "FriendGenerator.h"

namespace sitesim {

Account demoAccount()
{
    return {"demo@nameart.test", "demo123", "演示用户"};
}

SiteData buildSiteData(const Options& options, const std::string& origin)
{
    SiteData data;
    if (options.dataFile.empty()) {
        data.account = demoAccount();
        data.friends = generateFriends({options.friends, options.seed, options.hostile, origin});
    } else {
        data = readSiteDataFile(options.dataFile, demoAccount());
        resolveAvatarAddresses(data.friends, origin);
    }
    if (options.email) {
        data.account.email = *options.email;
    }
    if (options.password) {
        data.account.password = *options.password;
    }
    return data;
}

} // namespace sitesim
