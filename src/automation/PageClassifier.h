#pragma once

#include <string>

// Page tags of the site's pages, by the address of the page the browser shows.
inline constexpr const char* kTagLogin = "LOGIN";
inline constexpr const char* kTagHome = "HOME";
inline constexpr const char* kTagFriendList = "FRIENDLIST";
inline constexpr const char* kTagTemp = "TEMP";
inline constexpr const char* kTagNewEntry = "NEWENTRY";

// The tag of an address: the first substring in table order that occurs (case-insensitively)
// at the address's second character or later. An address that begins with a substring does
// not match it, even when it occurs again further on. No match: the lower-cased address.
std::string ClassifyPage(const std::string& address);

// ASCII lower-casing, as the address test uses it.
std::string lowerAscii(std::string text);
