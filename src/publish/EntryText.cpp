#include "publish/EntryText.h"

#include "generate/GbkEncoder.h"

#include <fstream>
#include <iterator>

namespace {

std::string withoutLineEnds(const std::string& text)
{
    std::string joined;
    joined.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
            ++pos;
        else
            joined += text[pos];
    }
    return joined;
}

} // namespace

std::optional<std::string> readEntryText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        return std::nullopt;
    return withoutLineEnds(GbkEncoder::forThisThread().decode(bytes));
}
