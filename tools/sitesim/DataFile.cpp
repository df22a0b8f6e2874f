#include "DataFile.h"

#include "AddressRules.h"
#include "FriendGenerator.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

namespace sitesim {
namespace {

using nlohmann::json;

std::string where(std::size_t index)
{
    return "friend " + std::to_string(index + 1) + ": ";
}

// Strings stay strings; numbers are taken in their decimal form ("sex": 1).
std::string textOf(const json& object, const char* key, const std::string& context)
{
    const auto it = object.find(key);
    if (it == object.end() || it->is_null()) {
        return {};
    }
    if (it->is_string()) {
        return it->get<std::string>();
    }
    if (it->is_number_integer()) {
        return it->dump();
    }
    throw DataFileError(context + "\"" + key + "\" must be a text");
}

std::vector<std::string> groupsOf(const json& object, const std::string& context)
{
    const auto it = object.find("groups");
    if (it == object.end() || it->is_null()) {
        return {};
    }
    if (!it->is_array()) {
        throw DataFileError(context + "\"groups\" must be a list of texts");
    }
    std::vector<std::string> out;
    for (const json& group : *it) {
        if (!group.is_string()) {
            throw DataFileError(context + "\"groups\" must be a list of texts");
        }
        out.push_back(group.get<std::string>());
    }
    return out;
}

void checkId(const std::string& id, const std::string& context)
{
    const bool digits =
        !id.empty() && id.size() <= 18 && id.find_first_not_of("0123456789") == std::string::npos;
    if (!digits) {
        throw DataFileError(context + "\"id\" must be 1 to 18 decimal digits");
    }
}

void checkHead(const std::string& head, const std::string& context)
{
    const bool known = head.empty() || head.starts_with("/") || head.starts_with("http://") ||
                       head.starts_with("https://");
    if (!known) {
        throw DataFileError(context +
                            "\"head\" must begin with \"/\", \"http://\" or \"https://\"");
    }
    if (holdsPageKeyword(head)) {
        throw DataFileError(context + "\"head\" holds a word that marks a page of the site");
    }
}

Friend friendOf(const json& object, std::size_t index)
{
    const std::string context = where(index);
    if (!object.is_object()) {
        throw DataFileError(context + "must be an object");
    }
    Friend person;
    person.id = textOf(object, "id", context);
    checkId(person.id, context);
    if (!object.contains("name")) {
        throw DataFileError(context + "\"name\" is missing");
    }
    person.name = textOf(object, "name", context);
    person.sex = textOf(object, "sex", context);
    person.online = textOf(object, "online", context);
    person.school = textOf(object, "school", context);
    person.head = textOf(object, "head", context);
    checkHead(person.head, context);
    person.groups = groupsOf(object, context);
    return person;
}

Account accountOf(const json& root, const Account& fallback)
{
    const auto it = root.find("account");
    if (it == root.end()) {
        return fallback;
    }
    if (!it->is_object()) {
        throw DataFileError("\"account\" must be an object");
    }
    Account account = fallback;
    const std::string context = "account: ";
    if (it->contains("email")) {
        account.email = textOf(*it, "email", context);
    }
    if (it->contains("password")) {
        account.password = textOf(*it, "password", context);
    }
    if (it->contains("name")) {
        account.name = textOf(*it, "name", context);
    }
    if (account.email.empty() || account.password.empty()) {
        throw DataFileError("account: \"email\" and \"password\" must not be empty");
    }
    return account;
}

std::vector<Friend> friendsOf(const json& root)
{
    const auto it = root.find("friends");
    if (it == root.end() || !it->is_array()) {
        throw DataFileError("\"friends\" must be a list");
    }
    std::vector<Friend> out;
    std::set<std::string> ids;
    for (std::size_t i = 0; i < it->size(); ++i) {
        out.push_back(friendOf((*it)[i], i));
        if (!ids.insert(out.back().id).second) {
            throw DataFileError(where(i) + "\"id\" " + out.back().id + " is used twice");
        }
    }
    return out;
}

} // namespace

SiteData parseSiteData(std::string_view jsonText, const Account& fallback)
{
    json root;
    try {
        root = json::parse(jsonText);
    } catch (const json::exception& error) {
        throw DataFileError(std::string("not valid JSON: ") + error.what());
    }
    if (!root.is_object()) {
        throw DataFileError("the file must hold one JSON object");
    }
    return {accountOf(root, fallback), friendsOf(root)};
}

SiteData readSiteDataFile(const std::string& path, const Account& fallback)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw DataFileError("cannot open " + path);
    }
    std::ostringstream text;
    text << file.rdbuf();
    try {
        return parseSiteData(text.str(), fallback);
    } catch (const DataFileError& error) {
        throw DataFileError(path + ": " + error.what());
    }
}

void resolveAvatarAddresses(std::vector<Friend>& friends, const std::string& origin)
{
    for (Friend& person : friends) {
        if (person.head.empty()) {
            person.head = defaultAvatarAddress(origin, person.id);
        } else if (person.head.starts_with("/")) {
            person.head = origin + person.head;
        }
        person.head = sanitizeAddress(person.head);
    }
}

} // namespace sitesim
