#include "Options.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <limits>
#include <map>

namespace sitesim {
namespace {

template <class Number>
bool parseNumber(const std::string& text, Number low, Number high, Number& out)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return false;
    }
    out = value;
    return true;
}

// Every option that takes a value: how to store it, or why it is wrong.
using ValueSetter = std::function<std::string(Options&, const std::string&)>;

ValueSetter intSetter(int Options::*field, int low, int high)
{
    return [=](Options& options, const std::string& value) -> std::string {
        if (!parseNumber(value, low, high, options.*field)) {
            return "a whole number from " + std::to_string(low) + " to " + std::to_string(high);
        }
        return {};
    };
}

ValueSetter textSetter(std::optional<std::string> Options::*field)
{
    return [=](Options& options, const std::string& value) -> std::string {
        if (value.empty()) {
            return "a text that is not empty";
        }
        options.*field = value;
        return {};
    };
}

const std::map<std::string, ValueSetter>& valueOptions()
{
    static const std::map<std::string, ValueSetter> table = {
        {"--port", intSetter(&Options::port, 0, 65535)},
        {"--friends", intSetter(&Options::friends, 0, 100000)},
        {"--delay-ms", intSetter(&Options::delayMs, 0, 600000)},
        {"--login-fails", intSetter(&Options::loginFails, 0, 1000000)},
        {"--exit-after", intSetter(&Options::exitAfterSeconds, 0, 31536000)},
        {"--email", textSetter(&Options::email)},
        {"--password", textSetter(&Options::password)},
        {"--seed",
         [](Options& options, const std::string& value) -> std::string {
             constexpr auto most = std::numeric_limits<std::uint64_t>::max();
             return parseNumber<std::uint64_t>(value, 0, most, options.seed)
                        ? std::string()
                        : "a whole number from 0 to " + std::to_string(most);
         }},
        {"--data",
         [](Options& options, const std::string& value) -> std::string {
             options.dataFile = value;
             return value.empty() ? "a file name" : std::string();
         }},
    };
    return table;
}

const std::map<std::string, bool Options::*>& flagOptions()
{
    static const std::map<std::string, bool Options::*> table = {
        {"--hostile", &Options::hostile},
        {"--frames", &Options::frames},
        {"--help", &Options::help},
        {"-h", &Options::help},
    };
    return table;
}

std::string checkCombination(const std::vector<std::string>& given)
{
    const auto has = [&](const std::string& name) {
        return std::find(given.begin(), given.end(), name) != given.end();
    };
    if (has("--data")) {
        for (const char* generated : {"--friends", "--seed", "--hostile"}) {
            if (has(generated)) {
                return std::string(generated) + " cannot be used with --data";
            }
        }
    }
    return {};
}

} // namespace

ParsedOptions parseOptions(const std::vector<std::string>& args)
{
    ParsedOptions parsed;
    std::vector<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const auto equals = name.find('=');
            name.starts_with("--") && equals != std::string::npos) {
            inlineValue = name.substr(equals + 1);
            name.resize(equals);
        }
        given.push_back(name);
        if (const auto flag = flagOptions().find(name);
            flag != flagOptions().end() && !inlineValue) {
            parsed.options.*(flag->second) = true;
            continue;
        }
        const auto option = valueOptions().find(name);
        if (option == valueOptions().end()) {
            parsed.error = "unknown option " + args[i];
            return parsed;
        }
        if (!inlineValue && i + 1 >= args.size()) {
            parsed.error = name + " needs a value";
            return parsed;
        }
        const std::string value = inlineValue ? *inlineValue : args[++i];
        if (const std::string wanted = option->second(parsed.options, value); !wanted.empty()) {
            parsed.error = name + " wants " + wanted + ", not \"" + value + "\"";
            return parsed;
        }
    }
    parsed.error = checkCombination(given);
    return parsed;
}

std::string usageText()
{
    return R"(Usage: sitesim [options]
A social site on 127.0.0.1 for the nameart demo and tests. The first line on
standard output is "listening on http://127.0.0.1:PORT".

  --port N          port to listen on (default 0: a free one)
  --friends N       generate N friends (default 100)
  --seed S          seed of the generated friends (default 1)
  --hostile         mix in names and avatar addresses holding , " < & { '
  --data FILE       read the account and the friends from a JSON file instead
  --email TEXT      the account's e-mail (default demo@nameart.test)
  --password TEXT   the account's password (default demo123)
  --delay-ms N      answer every request N milliseconds late
  --login-fails K   refuse the first K correct logins
  --frames          put an <iframe> on the login page
  --exit-after S    stop by itself after S seconds (default 0: never)
  --help            show this text

Data file:
  {"account": {"email": "...", "password": "...", "name": "..."},
   "friends": [{"id": "100001", "name": "张三", "sex": "1", "online": "0",
                "school": "...", "head": "/avatar/100001.svg", "groups": ["同学"]}]}
  "account" may be left out (the demo account is used); every friend needs an
  "id" of decimal digits and a "name"; the other fields may be left out. A
  "head" that begins with "/" is an address on this server; without a "head"
  the server draws the avatar at /avatar/ID.svg.

SIGINT or SIGTERM stops the server; it exits with status 0.
)";
}

} // namespace sitesim
