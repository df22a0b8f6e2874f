#pragma once

#include <mutex>
#include <random>
#include <set>
#include <string>
#include <string_view>

namespace sitesim {

// Logged-in browsers, known by the token of their session cookie. Shared by
// the server's worker threads.
class SessionStore
{
public:
    SessionStore();

    std::string open();
    bool contains(std::string_view token) const;
    void close(std::string_view token);

private:
    mutable std::mutex mutex_;
    std::mt19937_64 random_;
    std::set<std::string, std::less<>> tokens_;
};

} // namespace sitesim
