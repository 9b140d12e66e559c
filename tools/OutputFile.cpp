#include "tools/OutputFile.h"

#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <vector>

#include "tools/FileIo.h"
#include "tools/FileLocks.h"

namespace {

constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The temporary files that exist now, for the signal handler to remove.
struct TempFile {
    int dir;
    char name[32];
};
std::vector<TempFile> g_temps;

// Keeps the cleanup signals waiting while the list of temporary files
// changes, or while a file is written in place.
class SignalsHeld {
public:
    SignalsHeld()
    {
        sigset_t set;
        sigemptyset(&set);
        for (int sig : kCleanupSignals)
            sigaddset(&set, sig);
        sigprocmask(SIG_BLOCK, &set, &m_old);
    }
    ~SignalsHeld() { sigprocmask(SIG_SETMASK, &m_old, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t m_old;
};

extern "C" void RemoveTempsAndStop(int sig)
{
    for (const TempFile& temp : g_temps)
        ::unlinkat(temp.dir, temp.name, 0);
    ::signal(sig, SIG_DFL);
    ::raise(sig);
}

void InstallCleanup()
{
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_handler = RemoveTempsAndStop;
        sigemptyset(&action.sa_mask);
        for (int sig : kCleanupSignals)
            sigaddset(&action.sa_mask, sig);
        for (int sig : kCleanupSignals) {
            struct sigaction old {};
            // A signal ignored from the start (nohup) stays ignored.
            if (::sigaction(sig, nullptr, &old) == 0 && old.sa_handler != SIG_IGN)
                ::sigaction(sig, &action, nullptr);
        }
        return true;
    }();
    (void)installed;
}

void Forget(int dir, const std::string& name)
{
    SignalsHeld held;
    const auto found = std::find_if(g_temps.begin(), g_temps.end(),
                                    [&](const TempFile& t) { return t.dir == dir && name == t.name; });
    if (found != g_temps.end())
        g_temps.erase(found);
}

std::string TempName()
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char random[6] = {};
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
        const unsigned long seed =
            static_cast<unsigned long>(::getpid()) * 2654435761u ^ static_cast<unsigned long>(::time(nullptr));
        std::memcpy(random, &seed, std::min(sizeof seed, sizeof random));
    }
    std::string name = ".stepchain-";
    for (unsigned char c : random)
        name += kLetters[c % (sizeof kLetters - 1)];
    return name;
}

// Creates a temporary file in `dir` that the signal handler will remove; its descriptor.
int CreateTemp(int dir, std::string& name)
{
    InstallCleanup();
    for (int attempt = 0; attempt < 100; ++attempt) {
        SignalsHeld held;
        name = TempName();
        const int fd = ::openat(dir, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            TempFile temp{dir, {}};
            std::memcpy(temp.name, name.c_str(), name.size() + 1);
            g_temps.push_back(temp);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

mode_t Umask()
{
    static const mode_t mask = [] {
        const mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }();
    return mask;
}

// The file that `path` leads to through symbolic links; it need not exist.
std::string FollowLinks(const std::string& path)
{
    std::filesystem::path at = path;
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return at.string();
        if (hops == 40)
            throw FileError("too many levels of symbolic links");
        std::string target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(at.c_str(), target.data(), target.size());
        if (n < 0)
            throw FileError("cannot read the symbolic link: " + SystemReason());
        target.resize(static_cast<size_t>(n));
        at = target.starts_with('/') ? std::filesystem::path(target) : at.parent_path() / target;
    }
}

}

PendingWrite::PendingWrite(const std::string& path, const std::string& bytes, bool lockTarget)
    : m_bytes(bytes), m_lockTarget(lockTarget)
{
    m_target = FollowLinks(path);
    struct stat st {};
    if (::stat(m_target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            throw FileError("is a directory");
        if (!S_ISREG(st.st_mode)) {
            if (::access(m_target.c_str(), W_OK) != 0)
                throw FileError("cannot write: " + SystemReason());
            m_direct = true;
            return;
        }
    } else if (errno != ENOENT) {
        throw FileError("cannot look it up: " + SystemReason());
    }

    const std::filesystem::path target(m_target);
    m_name = target.filename().string();
    if (m_name.empty())
        throw FileError("names no file");
    const std::string dir = target.has_parent_path() ? target.parent_path().string() : ".";
    m_dir = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_dir < 0)
        throw FileError("cannot open its folder: " + SystemReason());
    try {
        WriteTemp();
    } catch (...) {
        Discard();
        throw;
    }
}

void PendingWrite::WriteTemp()
{
    const int fd = CreateTemp(m_dir, m_temp);
    if (fd < 0) {
        m_temp.clear();
        throw FileError("cannot create a temporary file beside it: " + SystemReason());
    }
    struct stat written {};
    const bool ok = WriteAll(fd, m_bytes) && ::fsync(fd) == 0 && ::fstat(fd, &written) == 0;
    const std::string reason = SystemReason();
    if (::close(fd) != 0 || !ok)
        throw FileError("cannot write a temporary file beside it: " + (ok ? SystemReason() : reason));
    if (static_cast<uint64_t>(written.st_size) != m_bytes.size())
        throw FileError("the temporary file beside it came out " + std::to_string(written.st_size) + " bytes long");
}

void PendingWrite::Discard()
{
    if (!m_temp.empty()) {
        ::unlinkat(m_dir, m_temp.c_str(), 0);
        Forget(m_dir, m_temp);
        m_temp.clear();
    }
    if (m_dir >= 0)
        ::close(m_dir);
    m_dir = -1;
}

PendingWrite::~PendingWrite() { Discard(); }

void PendingWrite::Commit()
{
    if (m_direct)
        WriteDirectly();
    else
        Replace();
}

void PendingWrite::WriteDirectly()
{
    const int fd = ::open(m_target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw FileError("cannot open: " + SystemReason());
    const bool ok = WriteAll(fd, m_bytes);
    const std::string reason = SystemReason();
    if (::close(fd) != 0 || !ok)
        throw FileError("cannot write: " + (ok ? SystemReason() : reason));
}

void PendingWrite::Replace()
{
    const FileLock lock = m_lockTarget ? FileLock::Take(m_target) : FileLock();
    struct stat st {};
    if (::stat(m_target.c_str(), &st) == 0) {
        // Only the owner's rights are sure: the group is kept where the owner cannot be.
        if (::fchownat(m_dir, m_temp.c_str(), st.st_uid, st.st_gid, 0) != 0)
            ::fchownat(m_dir, m_temp.c_str(), static_cast<uid_t>(-1), st.st_gid, 0);
        ::fchmodat(m_dir, m_temp.c_str(), st.st_mode & 07777, 0);
        if (S_ISREG(st.st_mode) && st.st_nlink > 1) {
            WriteInPlace(std::to_string(st.st_nlink));
            return;
        }
    } else {
        ::fchmodat(m_dir, m_temp.c_str(), 0666 & ~Umask(), 0);
    }
    if (::renameat(m_dir, m_temp.c_str(), m_dir, m_name.c_str()) != 0)
        throw FileError("cannot replace: " + SystemReason());
    Forget(m_dir, m_temp);
    m_temp.clear();
    ::fsync(m_dir);
}

void PendingWrite::WriteInPlace(const std::string& links)
{
    // Half a list in the file is worse than stopping a moment later.
    SignalsHeld held;
    const int fd = ::open(m_target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw FileError("cannot open to write in place (it has " + links + " hard links): " + SystemReason());
    const bool ok = WriteAll(fd, m_bytes) && ::ftruncate(fd, static_cast<off_t>(m_bytes.size())) == 0 &&
                    ::fsync(fd) == 0;
    const std::string reason = SystemReason();
    const bool closed = ::close(fd) == 0;
    if (!ok || !closed) {
        // The copy is all that is left whole: it stays for the user.
        Forget(m_dir, m_temp);
        const std::filesystem::path copy = std::filesystem::path(m_target).parent_path() / m_temp;
        m_temp.clear();
        throw FileError("writing in place failed (it has " + links + " hard links) and may have left it damaged: " +
                        (ok ? SystemReason() : reason) + "; the whole list is in " + copy.string());
    }
}

void WriteFileWhole(const std::string& path, const std::string& bytes)
{
    PendingWrite write(path, bytes, true);
    write.Commit();
}
