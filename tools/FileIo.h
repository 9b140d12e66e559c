#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <string_view>

// A failure to read or write a file, said in one line.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How long a file may be: `bytes` judges by the file's first bytes (up to
// 64 KiB, fewer when the file is shorter); `what` names what the file holds
// in the refusal ("a list").
struct SizeLimit {
    std::string what;
    std::function<uint64_t(std::string_view head)> bytes;
};

// The whole file, or standard input for "-". A file longer than the limit
// is refused before it is read whole: a regular file by its size, a pipe
// once it has given one byte too many.
std::string ReadWholeFile(const std::string& path, const SizeLimit& limit);
// The same from an open descriptor, from where it stands.
std::string ReadWholeFd(int fd, const SizeLimit& limit);

// Writes all of `bytes` to the descriptor; false with errno set when it cannot.
bool WriteAll(int fd, std::string_view bytes);

// The reason of the last failed system call, for a message.
std::string SystemReason();

// An output stream on a descriptor that keeps the reason of a failed write,
// which standard streams lose.
class FdOutput : public std::ostream {
public:
    explicit FdOutput(int fd);
    ~FdOutput() override;
    // Empty while every write succeeded.
    const std::string& Failure() const { return m_buffer.failure; }

private:
    struct Buffer : std::streambuf {
        explicit Buffer(int descriptor);
        int overflow(int c) override;
        std::streamsize xsputn(const char* s, std::streamsize n) override;
        int sync() override;
        bool Drain();

        int fd;
        std::string failure;
        char space[1 << 16];
    };
    Buffer m_buffer;
};
