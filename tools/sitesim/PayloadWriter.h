#pragma once

#include "Friend.h"

#include <string>
#include <string_view>
#include <vector>

namespace sitesim {

// A text value of the friend-list payload, without its quotes. Printable ASCII stays as
// it is, except the characters that cut records and fields (',' '{' '}' ':'), those that
// end or escape a value ('"' '\' '/') and those that mean something in HTML (< > & ').
// They and every other character become \uXXXX, supplementary characters a surrogate pair.
// So the value is a valid JSON string, and a reader that cuts the payload at every '{'
// and ',' and strips every '"' still finds the fields where they belong.
std::string escapeTextValue(std::string_view utf8);

// The avatar address, without its quotes: every '/' is written "\/" and nothing else is
// escaped, because the reading side only turns "\/" back into '/'.
std::string escapeAddress(std::string_view address);

// {"id":..,"sex":..,"online":..,"school":..,"name":..,"head":..,"groups":[..]}
std::string writeFriendRecord(const Friend& person);

// The JSON array of every record, in list order.
std::string writePayload(const std::vector<Friend>& friends);

} // namespace sitesim
