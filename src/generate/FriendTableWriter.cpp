#include "generate/FriendTableWriter.h"

#include "generate/HtmlEscape.h"
#include "generate/LeadingNumber.h"

#include <string>

namespace {

// The column counter is a 16-bit count that stops rising at its largest value.
constexpr int kLastColumn = 32767;

void writeLink(PageText& page, const FriendRecord& record, const std::string& mainHost)
{
    page.line({"<a href='http://", mainHost, "/profile.do?id=", htmlEscape(record.id),
               "'target=_blank><img src='", htmlEscape(record.head),
               "'alt='姓名: ", htmlEscape(record.name), "'/></a>"});
}

} // namespace

std::size_t writeFriendTable(PageText& page, const std::vector<RecognisedRecord>& records,
                             const GenerationSettings& settings)
{
    const double perRow = leadingNumber(settings.perRow);
    int nCol = 1;
    page.line({"<html><head></head><body>"});
    page.line({"<table border='0' cellspacing='0' cellpadding='0'>"});
    for (const RecognisedRecord& recognised : records) {
        if (nCol == 1)
            page.line({"<tr>"});
        page.line({"<td>"});
        if (recognised.complete)
            writeLink(page, recognised.record, settings.mainHost);
        page.line({"</td>"});
        if (perRow == nCol) {
            page.line({"</tr>"});
            nCol = 1;
        } else if (nCol < kLastColumn) {
            ++nCol;
        }
    }
    page.line({"</table>"});
    page.line({"</body></html>"});
    return records.size();
}
