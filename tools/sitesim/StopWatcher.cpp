#include "StopWatcher.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace sitesim {
namespace {

sigset_t stopSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

} // namespace

void StopWatcher::blockStopSignals()
{
    const sigset_t set = stopSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

StopWatcher::StopWatcher(httplib::Server& server, int exitAfterSeconds)
    : server_(server), thread_([this, exitAfterSeconds] { watch(exitAfterSeconds); })
{
}

StopWatcher::~StopWatcher()
{
    finished_ = true;
    thread_.join();
}

// The server only returns once every open connection has timed out, and a browser keeps
// idle ones open. Nothing here is kept beyond the process, so when the server is slow to
// let go the process ends on its own.
void StopWatcher::leaveSoon()
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (!finished_ && std::chrono::steady_clock::now() < limit) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!finished_) {
        std::fflush(nullptr);
        std::_Exit(0);
    }
}

// A stop asked for before the server has started listening is held back until it has:
// stopping a server that is not running yet does nothing.
void StopWatcher::watch(int exitAfterSeconds)
{
    const sigset_t set = stopSignals();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(exitAfterSeconds);
    bool wanted = false;
    while (!finished_) {
        const timespec pause{0, 50'000'000};
        if (sigtimedwait(&set, nullptr, &pause) > 0) {
            wanted = true;
        }
        if (exitAfterSeconds > 0 && std::chrono::steady_clock::now() >= deadline) {
            wanted = true;
        }
        if (wanted && server_.is_running()) {
            server_.stop();
            leaveSoon();
            return;
        }
    }
}

} // namespace sitesim
