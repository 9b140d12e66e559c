#include "tools/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {

std::string Reason() { return std::strerror(errno); }

}

std::string ReadWholeFile(const std::string& path)
{
    const int fd = path == "-" ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileError("cannot open: " + Reason());
    std::string bytes;
    // Room for the whole file at once: growing by doubling would touch
    // twice its size in fresh memory, and copy it on every step.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        bytes.reserve(static_cast<size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const std::string reason = Reason();
            if (fd != STDIN_FILENO)
                ::close(fd);
            throw FileError("cannot read: " + reason);
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    if (fd != STDIN_FILENO)
        ::close(fd);
    return bytes;
}

void WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    const std::filesystem::path target(path);
    const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
    std::string pattern = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        throw FileError("cannot create a temporary file beside it: " + Reason());
    const std::string temp(name.data());
    auto fail = [&](const std::string& what) {
        const std::string reason = Reason();
        ::close(fd);
        ::unlink(temp.c_str());
        throw FileError(what + ": " + reason);
    };
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail("cannot write");
        written += static_cast<size_t>(n);
    }
    if (::fchmod(fd, 0644) != 0)
        fail("cannot set permissions");
    if (::fsync(fd) != 0)
        fail("cannot flush to disk");
    if (::close(fd) != 0) {
        const std::string reason = Reason();
        ::unlink(temp.c_str());
        throw FileError("cannot close: " + reason);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string reason = Reason();
        ::unlink(temp.c_str());
        throw FileError("cannot replace: " + reason);
    }
}
