#pragma once

#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tools/JsonHost.h"

// The host description (HOST.json) of an editing session: the answers it
// gives, and the memories the session adds to it or renames in it. Names
// are CP932 here and UTF-8 in the file.
//
// A memory registered during an edit is kept in the file when an edit is
// confirmed; a rename is kept at once. Without a file the session's changes
// live only as long as the session.
class HostFile {
public:
    // An empty path is a host without a description. Throws
    // std::runtime_error with "PATH: reason" when the file is unusable.
    explicit HostFile(std::string path);

    JsonHost& Answers() { return *m_answers; }
    const std::map<std::string, int>& Memories() const { return m_memories; }
    const std::vector<std::string>& Objects() const { return m_answers->Objects(); }

    // A user-defined memory, known at once and kept by Commit.
    void Register(const std::string& name, int type);
    // Writes the memories registered since the last commit into the file.
    // Throws FileError when it cannot; they stay to be written next time.
    void Commit();
    // Renames a memory and writes the file; false when `oldName` is unknown
    // or `newName` is taken. Throws FileError when the file cannot be written.
    bool Rename(const std::string& oldName, const std::string& newName);

    const std::string& Path() const { return m_path; }

private:
    void Write(const nlohmann::ordered_json& doc);

    std::string m_path;
    std::unique_ptr<JsonHost> m_answers;
    // The description as the file holds it, keys in their order.
    nlohmann::ordered_json m_doc;
    std::map<std::string, int> m_memories;
    std::map<std::string, int> m_registered;
};
