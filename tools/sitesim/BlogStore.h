#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace sitesim {

struct BlogEntry
{
    int id = 0;
    std::string title;
    std::string body; // kept exactly as it was sent
};

// The member's published entries, numbered from 1. Shared by the server's worker threads.
class BlogStore
{
public:
    int add(std::string title, std::string body);
    std::optional<BlogEntry> find(int id) const;
    std::vector<BlogEntry> all() const;

private:
    mutable std::mutex mutex_;
    std::vector<BlogEntry> entries_;
};

} // namespace sitesim
