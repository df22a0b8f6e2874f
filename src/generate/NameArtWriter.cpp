#include "generate/NameArtWriter.h"

#include "friends/Utf8.h"
#include "generate/GlyphBits.h"
#include "generate/HtmlEscape.h"
#include "generate/LeadingNumber.h"

#include <algorithm>

namespace {

constexpr std::size_t kDotsPerRow = 16;
constexpr std::string_view kFirstTable =
    "<table border='0' cellspacing='0' cellpadding='0' align='center'>";
// Two blanks after "<table": the tables after the first are written so.
constexpr std::string_view kNextTable =
    "<table  border='0' cellspacing='0' cellpadding='0' align='center'>";
constexpr std::string_view kTip =
    "友情提示:鼠标移动到头像上可以出现他的名字,点击头像可以去他的主页";
constexpr std::string_view kBlankRow = "<tr><td width='20' height='20'></tr>";

} // namespace

std::vector<FriendRecord> NameArtWriter::friendsToDraw(const std::vector<RecognisedRecord>& records)
{
    std::vector<FriendRecord> friends;
    for (const RecognisedRecord& recognised : records) {
        if (friends.size() == kCapacity)
            break;
        if (recognised.complete)
            friends.push_back(recognised.record);
    }
    return friends;
}

NameArtWriter::NameArtWriter(PageText& page, const GenerationSettings& settings,
                             const std::vector<FriendRecord>& friends)
    : page_(page), settings_(settings),
      cellLine_("<td width='" + settings.width + "' height='" + settings.height + "'>")
{
    // Without friends every drawn cell still gets its link and image, with nothing in them.
    if (friends.empty())
        friends_.push_back(linesOf(FriendRecord{}));
    for (const FriendRecord& record : friends)
        friends_.push_back(linesOf(record));
}

NameArtWriter::FriendLines NameArtWriter::linesOf(const FriendRecord& record) const
{
    FriendLines lines;
    lines.link = "<a href='http://" + settings_.mainHost +
                 "/profile.do?id=" + htmlEscape(record.id) + "'target='_blank'>";
    lines.image = "<img src='" + htmlEscape(record.head) +
                  "'alt='姓名: " + htmlEscape(record.name) + "'width='" + settings_.width +
                  "' height='" + settings_.height + "'/>";
    return lines;
}

void NameArtWriter::write(GlyphSource& glyphs)
{
    page_.line({kFirstTable});
    page_.line({"<tr>"});
    page_.line({kTip});
    const std::string_view name = settings_.name;
    for (std::size_t pos = 0; pos < name.size();) {
        writeCharacter(GlyphBits(glyphs, nextCodePoint(name, pos)));
        page_.line({"</table>"});
        page_.line({kNextTable});
        writeBlankRows();
    }
    page_.line({"</table>"});
}

void NameArtWriter::writeCharacter(const std::string& bits)
{
    for (std::size_t dot = 0; dot < bits.size(); ++dot) {
        if (dot % kDotsPerRow == 0)
            page_.line({"<tr>"});
        writeCell(bits[dot] == '1');
        if (dot % kDotsPerRow == kDotsPerRow - 1)
            page_.line({"</tr>"});
        cursor_ = (cursor_ + 1) % friends_.size();
    }
}

void NameArtWriter::writeCell(bool drawn)
{
    page_.line({cellLine_});
    if (drawn) {
        const FriendLines& lines = friends_[cursor_];
        page_.line({lines.link});
        page_.line({lines.image});
        page_.line({"</a>"});
    } else {
        page_.line({"<a></a>"});
    }
    page_.line({"</td>"});
}

void NameArtWriter::writeBlankRows()
{
    const double rows = std::min(leadingNumber(settings_.blankRows), kMostBlankRows);
    for (double row = 1; row <= rows; ++row)
        page_.line({kBlankRow});
}
