#pragma once

#include "friends/FriendExtraction.h"
#include "generate/GenerationSettings.h"
#include "generate/PageText.h"

#include <cstddef>
#include <vector>

// The friend-table page: one cell per recognised record, in page order, each a friend's
// avatar linked to the friend's profile with the name in its alternative text. A row closes
// after the cell whose column equals the leading number of the per-row text; a last row that
// is not full stays open, and a number of 0 never closes one.
// Returns the number of cells written; a record too short to read gives an empty cell.
std::size_t writeFriendTable(PageText& page, const std::vector<RecognisedRecord>& records,
                             const GenerationSettings& settings);
