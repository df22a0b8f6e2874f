#include "generate/PageGenerator.h"

#include "friends/FriendExtraction.h"
#include "generate/FriendTableWriter.h"
#include "generate/GlyphSource.h"
#include "generate/NameArtWriter.h"
#include "generate/PageText.h"

#include <optional>
#include <vector>

namespace {

GenerationResult notWritten(GenerationResult::Status status, std::string message)
{
    GenerationResult result;
    result.status = status;
    result.message = std::move(message);
    return result;
}

GenerationResult written(const PageText& page, std::size_t friends)
{
    GenerationResult result;
    result.pageBytes = page.bytes();
    result.friends = static_cast<int>(friends);
    return result;
}

GenerationResult nameArtPage(std::string_view sPageData, const GenerationSettings& settings)
{
    std::optional<GlyphSource> glyphs = GlyphSource::open(settings.fontPath);
    if (!glyphs)
        return notWritten(GenerationResult::Status::FontMissing,
                          "字库文件缺失、无法读取或为空 (font file missing, unreadable or "
                          "empty): " +
                              settings.fontPath);
    const std::vector<FriendRecord> friends =
        NameArtWriter::friendsToDraw(extractRecords(sPageData));
    PageText page;
    NameArtWriter(page, settings, friends).write(*glyphs);
    return written(page, friends.size());
}

GenerationResult friendTablePage(std::string_view sPageData, const GenerationSettings& settings)
{
    PageText page;
    const std::size_t cells = writeFriendTable(page, extractRecords(sPageData), settings);
    return written(page, cells);
}

} // namespace

GenerationResult generatePage(std::string_view sPageData, const GenerationSettings& settings)
{
    if (!payloadLongEnough(sPageData))
        return notWritten(GenerationResult::Status::PayloadTooShort,
                          "好友列表数据不足 20 个字符，未生成页面 (friend-list payload shorter "
                          "than 20 characters: nothing written)");
    if (settings.mode == PageMode::NameArt)
        return nameArtPage(sPageData, settings);
    return friendTablePage(sPageData, settings);
}
