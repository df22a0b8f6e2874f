#include "generate/PageFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::string siblingPath(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    return path + ".part-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool fail(std::string* error, const std::string& what, const std::string& path)
{
    if (error)
        *error = "cannot " + what + " " + path + ": " + std::strerror(errno);
    return false;
}

} // namespace

bool writePageFile(const std::string& path, const std::string& bytes, std::string* error)
{
    const std::string temporary = siblingPath(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return fail(error, "create", temporary);
    const bool wrote = writeAll(fd, bytes);
    const int savedErrno = errno;
    if (::close(fd) != 0 || !wrote) {
        if (!wrote)
            errno = savedErrno;
        fail(error, "write", temporary);
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        fail(error, "replace", path);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}
