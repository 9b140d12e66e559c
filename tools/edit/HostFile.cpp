#include "tools/edit/HostFile.h"

#include <stdexcept>

#include "core/Cp932.h"
#include "tools/FileIo.h"

HostFile::HostFile(std::string path) : m_path(std::move(path))
{
    std::string text = "{}";
    try {
        if (!m_path.empty())
            text = ReadWholeFile(m_path);
        m_answers = JsonHost::FromJson(text);
    } catch (const std::exception& e) {
        throw std::runtime_error(m_path + ": " + e.what());
    }
    m_doc = nlohmann::ordered_json::parse(text);
    m_memories = m_answers->Memories();
}

void HostFile::Register(const std::string& name, int type)
{
    m_memories[name] = type;
    m_registered[name] = type;
}

void HostFile::Commit()
{
    if (m_registered.empty() || m_path.empty()) {
        m_registered.clear();
        return;
    }
    nlohmann::ordered_json doc = m_doc;
    for (const auto& [name, type] : m_registered)
        doc["memories"][cp932::ToUTF8(name)] = type;
    Write(doc);
    m_doc = std::move(doc);
    m_registered.clear();
}

bool HostFile::Rename(const std::string& oldName, const std::string& newName)
{
    const auto found = m_memories.find(oldName);
    if (found == m_memories.end() || m_memories.count(newName) != 0)
        return false;
    const int type = found->second;
    if (const auto registered = m_registered.find(oldName); registered != m_registered.end()) {
        m_registered.erase(registered);
        m_registered[newName] = type;
    } else if (!m_path.empty()) {
        nlohmann::ordered_json doc = m_doc;
        nlohmann::ordered_json& memories = doc["memories"];
        memories.erase(cp932::ToUTF8(oldName));
        memories[cp932::ToUTF8(newName)] = type;
        Write(doc);
        m_doc = std::move(doc);
    }
    m_memories.erase(found);
    m_memories[newName] = type;
    return true;
}

void HostFile::Write(const nlohmann::ordered_json& doc)
{
    try {
        WriteFileAtomically(m_path, doc.dump(2) + "\n");
    } catch (const FileError& e) {
        throw FileError(m_path + ": " + e.what());
    }
}
