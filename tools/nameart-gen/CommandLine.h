#pragma once

#include "generate/GenerationSettings.h"

#include <optional>
#include <string>
#include <vector>

// What nameart-gen was asked to do.
struct CommandLine
{
    GenerationSettings settings;
    std::optional<std::string> fontPath;    // --font; the HZK16 beside the program without it
    std::optional<std::string> payloadPath; // PAYLOAD; standard input without it, or with "-"
    std::optional<std::string> outPath;     // --out; standard output without it
    bool help = false;
};

struct CommandLineError
{
    std::string reason;
};

// Reads the arguments after the program name. The options take their value as the next
// argument or after "=" (--name=鹭岚); "--" ends the options.
std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& args,
                                            CommandLineError& error);

// The usage line, and the help text that documents every option.
extern const char* const kUsage;
std::string helpText();
