#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/CStepchainData.h"

extern char** environ;

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
        std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        m_dir = fs::temp_directory_path() / ("stepchain-tool-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override
    {
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_dir);
    }

    fs::path File(const std::string& name, const std::string& bytes)
    {
        WriteFile(m_dir / name, bytes);
        return m_dir / name;
    }

    // Runs the tool with the arguments (already quoted for the shell) after
    // the shell commands `before` (such as a ulimit, or a pipe into the
    // tool's standard input); `out` redirects standard output when given.
    Result Run(const std::string& args, const std::string& input = "", const std::string& before = "",
               const std::string& out = "")
    {
        const std::string in = before.ends_with('|') ? "" : " <" + File("stdin", input).string();
        const std::string command = before + " " + m_tool + " " + args + in + " " +
                                    (out.empty() ? ">" + (m_dir / "stdout").string() : out) + " 2>" +
                                    (m_dir / "stderr").string();
        const int status = std::system(command.c_str());
        return {WEXITSTATUS(status), ReadFile(m_dir / "stdout"), ReadFile(m_dir / "stderr")};
    }

    // Starts the tool without waiting; its output goes to the files stdout and stderr.
    pid_t Start(const std::vector<std::string>& args)
    {
        std::vector<std::string> all = {STEPCHAIN_TOOL};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : all)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, (m_dir / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, (m_dir / "stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, STEPCHAIN_TOOL, &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }

    // The wait status of a started tool; a tool still running after
    // `seconds` is killed and the test fails.
    static int Wait(pid_t pid, int seconds = 30)
    {
        int status = 0;
        for (int tries = 0; tries < seconds * 100; ++tries) {
            if (::waitpid(pid, &status, WNOHANG) == pid)
                return status;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        ADD_FAILURE() << "the tool was still running after " << seconds << " s";
        return status;
    }

    // The names in the test's directory that begin with `prefix`.
    std::vector<std::string> Named(const std::string& prefix) const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir)) {
            if (entry.path().filename().string().starts_with(prefix))
                names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path m_dir;
    std::string m_tool = STEPCHAIN_TOOL;
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
