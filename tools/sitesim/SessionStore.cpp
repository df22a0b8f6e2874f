#include "SessionStore.h"

#include <cstdio>

namespace sitesim {

SessionStore::SessionStore() : random_(std::random_device{}()) {}

std::string SessionStore::open()
{
    const std::lock_guard lock(mutex_);
    std::string token;
    do {
        char buffer[33];
        std::snprintf(buffer, sizeof buffer, "%016llx%016llx",
                      static_cast<unsigned long long>(random_()),
                      static_cast<unsigned long long>(random_()));
        token = buffer;
    } while (tokens_.contains(token));
    tokens_.insert(token);
    return token;
}

bool SessionStore::contains(std::string_view token) const
{
    const std::lock_guard lock(mutex_);
    return tokens_.find(token) != tokens_.end();
}

void SessionStore::close(std::string_view token)
{
    const std::lock_guard lock(mutex_);
    if (const auto it = tokens_.find(token); it != tokens_.end()) {
        tokens_.erase(it);
    }
}

} // namespace sitesim
