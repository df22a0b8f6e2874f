#include "BlogStore.h"

namespace sitesim {

int BlogStore::add(std::string title, std::string body)
{
    const std::lock_guard lock(mutex_);
    const int id = static_cast<int>(entries_.size()) + 1;
    entries_.push_back({id, std::move(title), std::move(body)});
    return id;
}

std::optional<BlogEntry> BlogStore::find(int id) const
{
    const std::lock_guard lock(mutex_);
    if (id < 1 || id > static_cast<int>(entries_.size())) {
        return std::nullopt;
    }
    return entries_[id - 1];
}

std::vector<BlogEntry> BlogStore::all() const
{
    const std::lock_guard lock(mutex_);
    return entries_;
}

} // namespace sitesim
