// The payload sitesim serves, read back by nameart's own record extraction.
#include "DataFile.h"
#include "FriendGenerator.h"
#include "PayloadWriter.h"
#include "SiteSetup.h"
#include "friends/FriendExtraction.h"

#include <gtest/gtest.h>

namespace {

const std::string origin = "http://127.0.0.1:8080";

std::vector<FriendRecord> expectedRecords(const std::vector<sitesim::Friend>& friends)
{
    std::vector<FriendRecord> out;
    for (const sitesim::Friend& person : friends) {
        out.push_back({person.id, person.name, person.head});
    }
    return out;
}

std::vector<FriendRecord> extracted(const std::vector<sitesim::Friend>& friends)
{
    std::vector<FriendRecord> out;
    for (const RecognisedRecord& recognised : extractRecords(sitesim::writePayload(friends))) {
        EXPECT_TRUE(recognised.complete);
        out.push_back(recognised.record);
    }
    return out;
}

sitesim::SiteData sampleData()
{
    auto data = sitesim::readSiteDataFile(SITESIM_SAMPLE_DATA, sitesim::demoAccount());
    sitesim::resolveAvatarAddresses(data.friends, origin);
    return data;
}

TEST(SitesimRoundTrip, ExtractionGivesExactlyTheServedFriendsInOrder)
{
    const std::vector<std::pair<std::string, std::vector<sitesim::Friend>>> cases = {
        {"generated", sitesim::generateFriends({300, 1, false, origin})},
        {"hostile", sitesim::generateFriends({300, 2, true, origin})},
        {"sample file", sampleData().friends},
    };
    for (const auto& [what, friends] : cases) {
        EXPECT_TRUE(payloadLongEnough(sitesim::writePayload(friends))) << what;
        EXPECT_EQ(extracted(friends), expectedRecords(friends)) << what;
    }
}

TEST(SitesimRoundTrip, AnEmptyListIsTooShortToRead)
{
    EXPECT_FALSE(payloadLongEnough(sitesim::writePayload({})));
    EXPECT_TRUE(extractRecords(sitesim::writePayload({})).empty());
}

} // namespace
