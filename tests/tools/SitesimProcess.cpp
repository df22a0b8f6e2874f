#include "SitesimProcess.h"

#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

std::vector<char*> argumentVector(std::vector<std::string>& args)
{
    std::vector<char*> out;
    for (std::string& arg : args) {
        out.push_back(arg.data());
    }
    out.push_back(nullptr);
    return out;
}

} // namespace

SitesimProcess::SitesimProcess(const std::vector<std::string>& args, bool mergeStderr)
{
    std::vector<std::string> all = {SITESIM_PATH, "--exit-after", "120"};
    all.insert(all.end(), args.begin(), args.end());
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    if (mergeStderr) {
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    }
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    auto argv = argumentVector(all);
    const int error = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    output_ = pipeEnds[0];
    if (error != 0) {
        close(output_);
        throw std::runtime_error("cannot start " + all[0]);
    }
}

SitesimProcess::~SitesimProcess()
{
    if (!waitForExit(std::chrono::milliseconds(0))) {
        sendSignal(SIGKILL);
        waitForExit(std::chrono::seconds(10));
    }
    close(output_);
}

std::optional<std::string> SitesimProcess::readLine(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (buffered_.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd wanted{output_, POLLIN, 0};
        if (left.count() <= 0 || poll(&wanted, 1, static_cast<int>(left.count())) <= 0) {
            return std::nullopt;
        }
        char chunk[512];
        const ssize_t got = read(output_, chunk, sizeof chunk);
        if (got <= 0) {
            return std::nullopt;
        }
        buffered_.append(chunk, static_cast<std::size_t>(got));
    }
    const auto end = buffered_.find('\n');
    std::string line = buffered_.substr(0, end);
    buffered_.erase(0, end + 1);
    return line;
}

int SitesimProcess::waitForPort()
{
    const std::string prefix = "listening on http://127.0.0.1:";
    const auto line = readLine();
    if (!line || !line->starts_with(prefix)) {
        return 0;
    }
    return std::stoi(line->substr(prefix.size()));
}

void SitesimProcess::sendSignal(int signal) const
{
    if (pid_ > 0 && !exitStatus_) {
        kill(pid_, signal);
    }
}

std::optional<int> SitesimProcess::waitForExit(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!exitStatus_ && pid_ > 0) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return exitStatus_;
}
