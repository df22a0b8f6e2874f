#pragma once

#include "generate/GenerationSettings.h"

#include <string>
#include <string_view>

struct GenerationResult
{
    enum class Status
    {
        Written,         // pageBytes holds the page
        PayloadTooShort, // under 20 characters: no friend list, nothing to write
        FontMissing      // name-art mode without a usable font file: nothing written
    };

    Status status = Status::Written;
    std::string pageBytes; // the page file's exact bytes (GBK, CR LF) when Written
    std::string message;   // why nothing was written, in one line, otherwise
    int friends = 0;       // name art: friends drawn with (at most 1000); table: cells written
};

// The page for the friend-list payload sPageData (UTF-8), in the mode of settings.
GenerationResult generatePage(std::string_view sPageData, const GenerationSettings& settings);
