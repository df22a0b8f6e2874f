#pragma once

#include <string>

// The main host of the real site: the profile links of a page point there unless the tool is
// pointed at another site.
inline constexpr const char* kDefaultMainHost = "www.renren.com";

enum class PageMode
{
    NameArt,
    FriendTable
};

// What a page is generated from besides the payload: the settings boxes' texts as the window
// reads them when a page is written (their start-up values here), the host of the profile
// links and the font file.
struct GenerationSettings
{
    PageMode mode = PageMode::NameArt;
    std::string name = "鹭岚";   // the characters drawn in name-art mode
    std::string width = "30";    // cell and image width, written as typed
    std::string height = "30";   // cell and image height, written as typed
    std::string blankRows = "4"; // its leading number: blank rows after each character
    std::string perRow = "10";   // its leading number: friends per row of the friend table
    std::string mainHost = kDefaultMainHost; // host[:port] of the profile links
    std::string fontPath;                    // the HZK16 font file (name-art mode only)
};
