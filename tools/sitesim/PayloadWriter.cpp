#include "PayloadWriter.h"

#include "AddressRules.h"

#include "friends/Utf8.h"

#include <cstdio>

namespace sitesim {
namespace {

bool staysLiteral(char32_t cp)
{
    constexpr std::string_view reserved = "\"\\/,{}:<>&'";
    return cp >= 0x20 && cp < 0x7F && reserved.find(static_cast<char>(cp)) == std::string::npos;
}

void appendUnit(std::string& out, char32_t unit)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(unit));
    out += buffer;
}

void appendEscaped(std::string& out, char32_t cp)
{
    if (cp < 0x10000) {
        appendUnit(out, cp);
        return;
    }
    const char32_t offset = cp - 0x10000;
    appendUnit(out, 0xD800 + (offset >> 10));
    appendUnit(out, 0xDC00 + (offset & 0x3FF));
}

void appendField(std::string& out, std::string_view key, std::string_view escapedValue)
{
    out += '"';
    out += key;
    out += "\":\"";
    out += escapedValue;
    out += '"';
}

std::string writeGroups(const std::vector<std::string>& groups)
{
    std::string out = "[";
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += '"' + escapeTextValue(groups[i]) + '"';
    }
    return out + "]";
}

} // namespace

std::string escapeTextValue(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = nextCodePoint(utf8, pos);
        if (staysLiteral(cp)) {
            out += static_cast<char>(cp);
        } else {
            appendEscaped(out, cp);
        }
    }
    return out;
}

std::string escapeAddress(std::string_view address)
{
    std::string out;
    for (const char c : sanitizeAddress(address)) {
        if (c == '/') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

std::string writeFriendRecord(const Friend& person)
{
    std::string out = "{";
    appendField(out, "id", escapeTextValue(person.id));
    out += ',';
    appendField(out, "sex", escapeTextValue(person.sex));
    out += ',';
    appendField(out, "online", escapeTextValue(person.online));
    out += ',';
    appendField(out, "school", escapeTextValue(person.school));
    out += ',';
    appendField(out, "name", escapeTextValue(person.name));
    out += ',';
    appendField(out, "head", escapeAddress(person.head));
    out += ",\"groups\":" + writeGroups(person.groups);
    return out + "}";
}

std::string writePayload(const std::vector<Friend>& friends)
{
    std::string out = "[";
    for (std::size_t i = 0; i < friends.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += writeFriendRecord(friends[i]);
    }
    return out + "]";
}

} // namespace sitesim
