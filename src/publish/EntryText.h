#pragma once

#include <optional>
#include <string>

// The blog entry's text as read back from the page file: the file's text in UTF-8 with its
// line ends (CR LF) taken out and nothing else, so commas, blanks and quotes in the page stay.
// nullopt when the file cannot be opened.
std::optional<std::string> readEntryText(const std::string& path);
