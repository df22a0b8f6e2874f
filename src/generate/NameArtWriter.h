#pragma once

#include "friends/FriendExtraction.h"
#include "friends/FriendRecord.h"
#include "generate/GenerationSettings.h"
#include "generate/GlyphSource.h"
#include "generate/PageText.h"

#include <cstddef>
#include <string>
#include <vector>

// The name-art page: every character of the name as a table of 16 rows of 16 cells, one per
// dot of its glyph. A drawn dot's cell shows a friend's avatar linked to the friend's profile
// with the name in its alternative text; a clear dot's cell stays empty. Blank rows follow
// every character.
class NameArtWriter
{
public:
    // The friends drawn with: the first this many complete records of the page.
    static constexpr std::size_t kCapacity = 1000;
    // Blank rows after a character are capped, so that a mistyped count cannot fill the disk.
    static constexpr double kMostBlankRows = 10000;

    static std::vector<FriendRecord> friendsToDraw(const std::vector<RecognisedRecord>& records);

    NameArtWriter(PageText& page, const GenerationSettings& settings,
                  const std::vector<FriendRecord>& friends);

    void write(GlyphSource& glyphs);

private:
    // A friend's two lines of a drawn cell, escaped and joined once for all their cells.
    struct FriendLines
    {
        std::string link;
        std::string image;
    };

    FriendLines linesOf(const FriendRecord& record) const;
    void writeCharacter(const std::string& bits);
    void writeCell(bool drawn);
    void writeBlankRows();

    PageText& page_;
    const GenerationSettings& settings_;
    std::string cellLine_;
    std::vector<FriendLines> friends_;
    // Moves on by one with every cell, drawn or clear, over all characters of the name.
    std::size_t cursor_ = 0;
};
