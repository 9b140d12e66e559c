#pragma once

#include <sys/stat.h>

#include <string>

// One file to write, in two steps so that many can be checked before any
// is replaced. Preparing writes the bytes whole into a temporary file
// beside the target (a short name of its own, so that no legal target name
// grows too long) and flushes it to disk; committing puts it in place.
//
// - A symbolic link is followed: the file it leads to is written, the
//   link stays.
// - A target that is not a regular file (a terminal, a FIFO) is written
//   into directly, never replaced; preparing only checks that it may be.
// - A regular file is replaced by renaming the temporary file over it,
//   which keeps the permission bits and, where the process may, the owner
//   and group of the file it replaces; a new file gets the umask's bits.
// - A file with more than one hard link is written in place, so that every
//   link keeps showing the same list; the complete copy is written and
//   flushed first, and should writing in place fail, the message names it.
// - An interrupt or termination signal while a temporary file exists
//   removes it.
class PendingWrite {
public:
    // `lockTarget`: take an exclusive advisory lock (flock) on an existing
    // regular target while replacing it; false when the caller holds one.
    PendingWrite(const std::string& path, const std::string& bytes, bool lockTarget);
    ~PendingWrite();
    PendingWrite(const PendingWrite&) = delete;
    PendingWrite& operator=(const PendingWrite&) = delete;

    void Commit();

private:
    void WriteTemp();
    void Discard();
    void WriteDirectly();
    void Replace();
    void WriteInPlace(const std::string& path);

    std::string m_bytes;
    std::string m_target;  // the path after following links
    bool m_lockTarget;
    bool m_direct = false;
    int m_dir = -1;        // the target's directory
    std::string m_name;    // the target's name in it
    std::string m_temp;    // the temporary file's name in it, empty once gone
};

// Prepares and commits at once: the file is written whole or not at all.
void WriteFileWhole(const std::string& path, const std::string& bytes);
