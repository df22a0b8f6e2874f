#pragma once

#include <span>
#include <string_view>

namespace sitesim::pools {

// Characters and words the friend generator draws from; all UTF-8.
std::span<const std::string_view> surnames();         // in GB2312
std::span<const std::string_view> compoundSurnames(); // in GB2312
std::span<const std::string_view> givenChars();       // in GB2312
std::span<const std::string_view> rareChars();        // in GBK or beyond, not in GB2312
std::span<const std::string_view> supplementaryChars();
std::span<const std::string_view> latinNames();
std::span<const std::string_view> accentedNames(); // each holds a letter outside GB2312
std::span<const std::string_view> schools();
std::span<const std::string_view> groups();

// Names and address tails made to break careless readers and writers.
std::span<const std::string_view> hostileNames();
std::span<const std::string_view> hostileQueries();

} // namespace sitesim::pools
