#include "friends/PayloadCuts.h"

#include <cstring>

namespace {

// The quote that closes the string whose text starts at p, or end when the string runs on to
// the end of the text. A backslash escapes the character after it.
const char* closingQuote(const char* p, const char* end)
{
    while (p < end) {
        if (*p == '\\')
            p += 2;
        else if (*p == '"')
            return p;
        else
            ++p;
    }
    return end;
}

const char* pastString(const char* p, const char* end)
{
    const char* quote = closingQuote(p, end);
    return quote == end ? end : quote + 1;
}

std::string_view between(const char* start, const char* end)
{
    return {start, static_cast<std::size_t>(end - start)};
}

} // namespace

void forEachPiece(std::string_view text, const PieceVisitor& visit)
{
    std::vector<std::string_view> aFields;
    const char* const end = text.data() + text.size();
    const char* start = text.data();
    for (const char* p = start; p < end;) {
        if (*p == ',' || *p == '{') {
            aFields.push_back(between(start, p));
            if (*p == '{') {
                visit(aFields);
                aFields.clear();
            }
            start = ++p;
        } else if (*p == '"') {
            p = pastString(p + 1, end);
        } else {
            ++p;
        }
    }
    aFields.push_back(between(start, end));
    visit(aFields);
}

std::string withoutDelimitingQuotes(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    const char* const end = text.data() + text.size();
    const char* p = text.data();
    while (p < end) {
        const auto* opening = static_cast<const char*>(std::memchr(p, '"', end - p));
        if (opening == nullptr) {
            kept.append(between(p, end));
            break;
        }
        kept.append(between(p, opening));
        const char* closing = closingQuote(opening + 1, end);
        kept.append(between(opening + 1, closing));
        p = closing == end ? end : closing + 1;
    }
    return kept;
}
