#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// A running sitesim, started for one test. Its standard output (and, when asked,
// its standard error) is read through a pipe; it is stopped when the object goes.
class SitesimProcess
{
public:
    // Starts the program. A time limit of its own is added, so that it never outlives
    // a broken test for long.
    explicit SitesimProcess(const std::vector<std::string>& args, bool mergeStderr = false);
    ~SitesimProcess();
    SitesimProcess(const SitesimProcess&) = delete;
    SitesimProcess& operator=(const SitesimProcess&) = delete;

    // The next line of output, without its line end; nothing when the output ends or
    // no line comes in time.
    std::optional<std::string>
    readLine(std::chrono::milliseconds timeout = std::chrono::seconds(10));

    // Reads the first line, which must be "listening on http://127.0.0.1:PORT"; 0 otherwise.
    int waitForPort();

    void sendSignal(int signal) const;

    // The exit status once the program has ended (-1 when a signal ended it),
    // or nothing when it is still running at the end of the timeout.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string buffered_;
    std::optional<int> exitStatus_;
};
