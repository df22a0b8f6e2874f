#pragma once

#include "friends/FriendRecord.h"

#include <string_view>
#include <vector>

// Friend records read from the friend-list payload (the inner HTML of the friend-list page's
// last element, UTF-8). The payload is a run of records, each opened by "{", whose fields are
// key:value pairs separated by ",": field 0 is the id, field 4 the escaped name, field 5 the
// avatar address with its slashes escaped.

// A payload shorter than this many characters holds no friend list worth a page.
inline constexpr std::size_t kShortestPayload = 20;

bool payloadLongEnough(std::string_view sPageData);

// A piece of the payload whose field 0 begins with "id" (either case). complete is false when
// the piece has fewer than six fields; its record is then empty.
struct RecognisedRecord
{
    bool complete = false;
    FriendRecord record;
};

// Every recognised piece, in page order.
std::vector<RecognisedRecord> extractRecords(std::string_view sPageData);
