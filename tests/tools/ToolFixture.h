#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/CStepchainData.h"

namespace fs = std::filesystem;

// What a run of the tool gave.
struct Result {
    int code;
    std::string out;
    std::string err;
};

inline std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A test that runs the built tool on files in a directory of its own.
class Tool : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("stepchain-tool-" + std::to_string(::getpid()) + "-" +
                                             testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path File(const std::string& name, const std::string& bytes)
    {
        WriteFile(m_dir / name, bytes);
        return m_dir / name;
    }

    // Runs the tool with the arguments (already quoted for the shell).
    Result Run(const std::string& args, const std::string& input = "")
    {
        const fs::path in = File("stdin", input);
        const std::string command = std::string(STEPCHAIN_TOOL) + " " + args + " <" + in.string() + " >" +
                                    (m_dir / "stdout").string() + " 2>" + (m_dir / "stderr").string();
        const int status = std::system(command.c_str());
        return {WEXITSTATUS(status), ReadFile(m_dir / "stdout"), ReadFile(m_dir / "stderr")};
    }

    fs::path m_dir;
};

// One action of every kind, with default settings, as the archive stores it.
inline std::string EveryKindStored()
{
    CStepchainData list;
    for (int type = 0; type < SC_TYPE_COUNT; ++type)
        list.AddSC(list.CreateSC(type));
    CArchive ar;
    list.Serialize(ar);
    return ar.GetStored();
}
