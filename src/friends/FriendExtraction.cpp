#include "friends/FriendExtraction.h"

#include "friends/GetUserName.h"
#include "friends/PayloadCuts.h"
#include "friends/Utf8.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::size_t kIdField = 0;
constexpr std::size_t kNameField = 4;
constexpr std::size_t kHeadField = 5;
constexpr std::size_t kFieldsOfARecord = 6;

// Moves text[from, to) down to text[kept, ...); returns the end of the moved run.
std::size_t moveRun(std::string& text, std::size_t from, std::size_t to, std::size_t kept)
{
    std::copy(text.begin() + static_cast<std::ptrdiff_t>(from),
              text.begin() + static_cast<std::ptrdiff_t>(to),
              text.begin() + static_cast<std::ptrdiff_t>(kept));
    return kept + (to - from);
}

// Writes with at text[kept, ...); returns the end of what was written.
std::size_t putAt(std::string& text, std::size_t kept, std::string_view with)
{
    std::copy(with.begin(), with.end(), text.begin() + static_cast<std::ptrdiff_t>(kept));
    return kept + with.size();
}

// Every occurrence of what in text, in one pass from the left, replaced by with, which is no
// longer than what: the text is rewritten in place.
void replaceAll(std::string& text, std::string_view what, std::string_view with)
{
    std::size_t at = text.find(what);
    std::size_t kept = at;
    std::size_t from = at;
    for (; at != std::string::npos; at = text.find(what, from)) {
        kept = moveRun(text, from, at, kept);
        kept = putAt(text, kept, with);
        from = at + what.size();
    }
    if (from != std::string::npos)
        text.resize(moveRun(text, from, text.size(), kept));
}

void removeAll(std::string& text, std::string_view what)
{
    replaceAll(text, what, {});
}

bool isLetter(char c, char lower)
{
    return c == lower || c == lower - ('a' - 'A');
}

bool beginsWithId(std::string_view field)
{
    return field.size() >= 2 && isLetter(field[0], 'i') && isLetter(field[1], 'd');
}

FriendRecord recordOf(std::string idField, const std::vector<std::string_view>& aFields)
{
    FriendRecord record;
    record.id = std::move(idField);
    removeAll(record.id, "id:");
    std::string nameField = withoutDelimitingQuotes(aFields[kNameField]);
    removeAll(nameField, "name:");
    record.name = GetUserName(nameField);
    record.head = withoutDelimitingQuotes(aFields[kHeadField]);
    replaceAll(record.head, "\\/", "/");
    removeAll(record.head, "head:");
    return record;
}

} // namespace

bool payloadLongEnough(std::string_view sPageData)
{
    // Counting stops at the bound: a long payload is not walked to its end here.
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < sPageData.size() && count < kShortestPayload; ++count)
        nextCodePoint(sPageData, pos);
    return count >= kShortestPayload;
}

std::vector<RecognisedRecord> extractRecords(std::string_view sPageData)
{
    std::vector<RecognisedRecord> recognised;
    forEachPiece(sPageData, [&recognised](const std::vector<std::string_view>& aFields) {
        std::string idField = withoutDelimitingQuotes(aFields[kIdField]);
        if (!beginsWithId(idField))
            return;
        if (aFields.size() < kFieldsOfARecord)
            recognised.push_back({false, {}});
        else
            recognised.push_back({true, recordOf(std::move(idField), aFields)});
    });
    return recognised;
}
