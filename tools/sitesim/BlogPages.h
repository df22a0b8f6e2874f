#pragma once

#include "BlogStore.h"

#include <string>
#include <vector>

namespace sitesim {

// The form posts Title and editor to /blog/publish.
std::string newEntryPage();

// The title is escaped; the body is shown as the HTML it is, as a blog shows an entry.
std::string entryPage(const BlogEntry& entry);

std::string blogListPage(const std::vector<BlogEntry>& entries);

} // namespace sitesim
