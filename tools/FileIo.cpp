#include "tools/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr size_t kHeadBytes = 1 << 16;

// Reads up to `size` bytes more into `bytes`; false at the end of the file.
bool ReadSome(int fd, std::string& bytes, size_t size)
{
    const size_t start = bytes.size();
    bytes.resize(start + size);
    for (;;) {
        const ssize_t n = ::read(fd, bytes.data() + start, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            bytes.resize(start);
            throw FileError("cannot read: " + SystemReason());
        }
        bytes.resize(start + static_cast<size_t>(n));
        return n > 0;
    }
}

// `size` is the file's size, or 0 when only reading it showed that it is too long.
[[noreturn]] void TooLong(uint64_t size, const SizeLimit& limit, uint64_t most)
{
    const std::string atMost = " (at most " + std::to_string(most) + " bytes)";
    if (size == 0)
        throw FileError("is longer than " + limit.what + " can need" + atMost);
    throw FileError("is " + std::to_string(size) + " bytes long, more than " + limit.what + " can need" + atMost);
}

}

std::string SystemReason() { return std::strerror(errno); }

std::string ReadWholeFd(int fd, const SizeLimit& limit)
{
    std::string bytes;
    while (bytes.size() < kHeadBytes && ReadSome(fd, bytes, kHeadBytes - bytes.size())) {
    }
    const uint64_t most = limit.bytes(bytes);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        const off_t at = ::lseek(fd, 0, SEEK_CUR);
        const uint64_t size = at >= 0 && st.st_size >= at ? static_cast<uint64_t>(st.st_size - at) + bytes.size()
                                                           : bytes.size();
        if (size > most)
            TooLong(size, limit, most);
        bytes.reserve(static_cast<size_t>(size));
    }
    while (bytes.size() <= most) {
        if (!ReadSome(fd, bytes, std::min<uint64_t>(kHeadBytes, most + 1 - bytes.size())))
            return bytes;
    }
    TooLong(0, limit, most);
}

std::string ReadWholeFile(const std::string& path, const SizeLimit& limit)
{
    if (path == "-")
        return ReadWholeFd(STDIN_FILENO, limit);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw FileError("cannot open: " + SystemReason());
    try {
        std::string bytes = ReadWholeFd(fd, limit);
        ::close(fd);
        return bytes;
    } catch (...) {
        ::close(fd);
        throw;
    }
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

FdOutput::Buffer::Buffer(int descriptor) : fd(descriptor) { setp(space, space + sizeof space); }

bool FdOutput::Buffer::Drain()
{
    const std::string_view pending(pbase(), static_cast<size_t>(pptr() - pbase()));
    setp(space, space + sizeof space);
    if (!failure.empty())
        return false;
    if (!WriteAll(fd, pending)) {
        failure = SystemReason();
        return false;
    }
    return true;
}

int FdOutput::Buffer::overflow(int c)
{
    if (!Drain())
        return traits_type::eof();
    if (c != traits_type::eof()) {
        *pptr() = static_cast<char>(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize FdOutput::Buffer::xsputn(const char* s, std::streamsize n)
{
    if (n <= epptr() - pptr()) {
        std::memcpy(pptr(), s, static_cast<size_t>(n));
        pbump(static_cast<int>(n));
        return n;
    }
    // Long texts (a list on standard output) go out directly instead of through the buffer.
    if (!Drain())
        return 0;
    if (!WriteAll(fd, std::string_view(s, static_cast<size_t>(n)))) {
        failure = SystemReason();
        return 0;
    }
    return n;
}

int FdOutput::Buffer::sync() { return Drain() ? 0 : -1; }

FdOutput::FdOutput(int fd) : std::ostream(nullptr), m_buffer(fd) { rdbuf(&m_buffer); }

FdOutput::~FdOutput() { m_buffer.Drain(); }
