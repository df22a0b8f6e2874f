#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The friend-list payload is cut like the JSON it is: a delimiter inside a double-quoted
// string belongs to the string, and inside a string a backslash escapes the next character,
// so \" does not end it. Text outside any string starts outside one again after every cut.

// The pieces of text, cut at every "{" outside a string, each handed to visit cut into its
// fields at every "," outside a string, in order: one walk over the text.
using PieceVisitor = std::function<void(const std::vector<std::string_view>& aFields)>;
void forEachPiece(std::string_view text, const PieceVisitor& visit);

// text without the quotes that open and close its strings; an escaped quote (\") stays, for
// the name decoder to read.
std::string withoutDelimitingQuotes(std::string_view text);
