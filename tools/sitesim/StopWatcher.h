#pragma once

#include <atomic>
#include <httplib.h>
#include <thread>

namespace sitesim {

// Stops the server at SIGINT or SIGTERM, or when the time limit has passed. The
// signals are taken synchronously by a thread of its own, so stopping never runs
// inside a signal handler.
class StopWatcher
{
public:
    // Must run before any other thread starts, so that every thread inherits the mask.
    static void blockStopSignals();

    StopWatcher(httplib::Server& server, int exitAfterSeconds);
    ~StopWatcher();
    StopWatcher(const StopWatcher&) = delete;
    StopWatcher& operator=(const StopWatcher&) = delete;

private:
    void watch(int exitAfterSeconds);
    void leaveSoon();

    httplib::Server& server_;
    std::atomic<bool> finished_{false};
    std::thread thread_;
};

} // namespace sitesim
