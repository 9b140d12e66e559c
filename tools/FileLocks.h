#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "tools/FileIo.h"

// An exclusive advisory lock (flock) on a file, held while the object lives.
class FileLock {
public:
    FileLock() = default;
    explicit FileLock(int fd) : m_fd(fd) {}
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;

    // Locks the file that `path` names when the lock is granted: should the
    // file be replaced while waiting, the new one is locked instead. No lock
    // when there is no such file.
    static FileLock Take(const std::string& path);

    int Fd() const { return m_fd; }

private:
    int m_fd = -1;
};

// Files locked from before they are read until they are written back.
// They are locked in the order of their device and inode numbers, so that
// two runs locking some of the same files never wait for each other; a
// file named twice (or through a link) is locked once.
class LockedFiles {
public:
    // FileError, beginning with the path, when a file cannot be opened or locked.
    explicit LockedFiles(const std::vector<std::string>& paths);

    // The contents of the file of the i-th path.
    std::string Read(size_t i, const SizeLimit& limit);

private:
    struct File {
        std::string path;
        dev_t dev;
        ino_t ino;
        FileLock lock;
        std::optional<std::string> contents;
    };
    bool TryLockAll(const std::vector<std::string>& paths);

    std::vector<File> m_files;
    std::vector<size_t> m_fileOfPath;
};
