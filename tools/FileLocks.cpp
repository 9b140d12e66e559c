#include "tools/FileLocks.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <tuple>

namespace {

bool LockWaiting(int fd)
{
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether `path` still names the file open as `fd`.
bool StillNames(const std::string& path, int fd)
{
    struct stat named {};
    struct stat open {};
    return ::stat(path.c_str(), &named) == 0 && ::fstat(fd, &open) == 0 && SameFile(named, open);
}

int OpenForLock(const std::string& path) { return ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC); }

}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

FileLock::FileLock(FileLock&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }

FileLock& FileLock::operator=(FileLock&& other) noexcept
{
    std::swap(m_fd, other.m_fd);
    return *this;
}

FileLock FileLock::Take(const std::string& path)
{
    for (;;) {
        FileLock lock(OpenForLock(path));
        if (lock.m_fd < 0)
            return FileLock();
        if (!LockWaiting(lock.m_fd) || StillNames(path, lock.m_fd))
            return lock;
    }
}

LockedFiles::LockedFiles(const std::vector<std::string>& paths)
{
    while (!TryLockAll(paths)) {
    }
}

bool LockedFiles::TryLockAll(const std::vector<std::string>& paths)
{
    m_files.clear();
    std::vector<std::pair<dev_t, ino_t>> ids;
    for (const std::string& path : paths) {
        FileLock file(OpenForLock(path));
        struct stat st {};
        if (file.Fd() < 0 || ::fstat(file.Fd(), &st) != 0)
            throw FileError(path + ": cannot open: " + SystemReason());
        ids.emplace_back(st.st_dev, st.st_ino);
        const auto same = [&](const File& f) { return f.dev == st.st_dev && f.ino == st.st_ino; };
        if (std::none_of(m_files.begin(), m_files.end(), same))
            m_files.push_back({path, st.st_dev, st.st_ino, std::move(file), std::nullopt});
    }
    std::sort(m_files.begin(), m_files.end(),
              [](const File& a, const File& b) { return std::tie(a.dev, a.ino) < std::tie(b.dev, b.ino); });
    for (File& file : m_files) {
        if (!LockWaiting(file.lock.Fd()))
            throw FileError(file.path + ": cannot lock: " + SystemReason());
    }
    m_fileOfPath.clear();
    for (size_t i = 0; i < paths.size(); ++i) {
        const auto found = std::find_if(m_files.begin(), m_files.end(), [&](const File& f) {
            return f.dev == ids[i].first && f.ino == ids[i].second;
        });
        // A file replaced while this run waited: the replacement is read instead.
        if (!StillNames(paths[i], found->lock.Fd()))
            return false;
        m_fileOfPath.push_back(static_cast<size_t>(found - m_files.begin()));
    }
    return true;
}

std::string LockedFiles::Read(size_t i, const SizeLimit& limit)
{
    File& file = m_files.at(m_fileOfPath.at(i));
    if (!file.contents) {
        file.contents = ReadWholeFd(file.lock.Fd(), limit);
        // A FIFO read is gone; holding its reading end open would let the
        // list written back into it vanish unread.
        struct stat st {};
        if (::fstat(file.lock.Fd(), &st) == 0 && !S_ISREG(st.st_mode))
            file.lock = FileLock();
    }
    return *file.contents;
}
