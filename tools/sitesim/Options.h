#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sitesim {

struct Options
{
    int port = 0; // 0 lets the system pick a free one
    int friends = 100;
    std::uint64_t seed = 1;
    bool hostile = false;
    std::string dataFile; // when set, account and friends come from it
    std::optional<std::string> email;
    std::optional<std::string> password;
    int delayMs = 0;
    int loginFails = 0;
    bool frames = false;
    int exitAfterSeconds = 0; // 0: run until a signal
    bool help = false;
};

struct ParsedOptions
{
    Options options;
    std::string error; // empty when the arguments were good
};

// Arguments without the program name; "--name value" and "--name=value" both work.
ParsedOptions parseOptions(const std::vector<std::string>& args);

std::string usageText();

} // namespace sitesim
