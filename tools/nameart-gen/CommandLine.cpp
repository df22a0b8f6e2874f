#include "CommandLine.h"

#include "generate/MainHost.h"

#include <functional>
#include <map>

const char* const kUsage =
    "usage: nameart-gen [--mode art|table] [--name TEXT] [--width W] [--height H] "
    "[--blank-rows N] [--per-row N] [--site URL] [--font FILE] [--out FILE] [PAYLOAD]";

std::string helpText()
{
    std::string help =
        R"(Writes the page the name-art tool puts into temp.html, from a friend-list payload (the
inner HTML of the friend-list page's last element, UTF-8) read from PAYLOAD or, without
it or when it is -, from standard input. The page is GBK with CR LF line ends.

  --mode art|table  art: the name drawn with friends' avatars (default);
                    table: all friends' avatars, --per-row to a row
  --name TEXT       the characters drawn in art mode (default 鹭岚)
  --width W         cell and avatar width, written as given (default 30)
  --height H        cell and avatar height, written as given (default 30)
  --blank-rows N    blank rows after each character, the number N begins with (default 4)
  --per-row N       avatars to a table row, the number N begins with; 0 never ends a row
                    (default 10)
  --site URL        the site the profile links point to; its host[:port] is used
                    (default http://@HOST@)
  --font FILE       the HZK16 font for art mode (default: HZK16 beside the program)
  --out FILE        where the page goes (default standard output); written whole or
                    not at all
  --help            this text

Exit status: 0 page written; 1 a file could not be read or written, the font is missing,
or the payload is under 20 characters (nothing is written then); 2 bad arguments.
)";
    return help.replace(help.find("@HOST@"), 6, kDefaultMainHost);
}

namespace {

using Setter = std::function<bool(CommandLine&, const std::string&)>;

bool setMode(CommandLine& line, const std::string& value)
{
    if (value == "art")
        line.settings.mode = PageMode::NameArt;
    else if (value == "table")
        line.settings.mode = PageMode::FriendTable;
    else
        return false;
    return true;
}

bool setSite(CommandLine& line, const std::string& value)
{
    const std::optional<std::string> host = mainHostOfSite(value);
    if (host)
        line.settings.mainHost = *host;
    return host.has_value();
}

Setter text(std::string GenerationSettings::*field)
{
    return [field](CommandLine& line, const std::string& value) {
        line.settings.*field = value;
        return true;
    };
}

Setter path(std::optional<std::string> CommandLine::*field)
{
    return [field](CommandLine& line, const std::string& value) {
        line.*field = value;
        return !value.empty();
    };
}

const std::map<std::string, Setter>& options()
{
    static const std::map<std::string, Setter> setters = {
        {"--mode", setMode},
        {"--name", text(&GenerationSettings::name)},
        {"--width", text(&GenerationSettings::width)},
        {"--height", text(&GenerationSettings::height)},
        {"--blank-rows", text(&GenerationSettings::blankRows)},
        {"--per-row", text(&GenerationSettings::perRow)},
        {"--site", setSite},
        {"--font", path(&CommandLine::fontPath)},
        {"--out", path(&CommandLine::outPath)},
    };
    return setters;
}

bool takePayload(CommandLine& line, const std::string& arg, CommandLineError& error)
{
    if (line.payloadPath) {
        error.reason = "more than one PAYLOAD: " + arg;
        return false;
    }
    if (arg != "-")
        line.payloadPath = arg;
    else
        line.payloadPath = std::string();
    return true;
}

} // namespace

std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& args,
                                            CommandLineError& error)
{
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
            if (!takePayload(line, arg, error))
                return std::nullopt;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help") {
            line.help = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto option = options().find(name);
        if (option == options().end()) {
            error.reason = "unknown option " + name;
            return std::nullopt;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (k + 1 < args.size()) {
            value = args[++k];
        } else {
            error.reason = name + " needs a value";
            return std::nullopt;
        }
        if (!option->second(line, value)) {
            error.reason = "bad value for " + name + ": " + value;
            return std::nullopt;
        }
    }
    if (line.payloadPath && line.payloadPath->empty())
        line.payloadPath.reset();
    return line;
}
