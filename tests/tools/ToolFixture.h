#pragma once

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "tools/ListBuilder.h"

extern char** environ;

namespace fs = std::filesystem;

// What a run of the tool gave.
struct Result {
    int code;
    std::string out;
    std::string err;
};

// Waits up to 10 s for `done` to hold; whether it did.
inline bool Await(const std::function<bool()>& done)
{
    for (int tries = 0; tries < 10000; ++tries) {
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

// A test that runs the built tool on files in a directory of its own.
class Tool : public testing::Test {
protected:
    void SetUp() override { Empty(); }
    void TearDown() override { fs::remove_all(m_dir); }

    void Empty()
    {
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }

    fs::path File(const std::string& name, const std::string& bytes)
    {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
        return m_dir / name;
    }

    std::string Redirected() const { return " >" + (m_dir / "stdout").string() + " 2>" + (m_dir / "stderr").string(); }

    // Runs the tool with the arguments (quoted for the shell) after the shell
    // commands `before` (such as a ulimit, or a pipe into the tool's standard
    // input).
    Result Run(const std::string& args, const std::string& input = "", const std::string& before = "")
    {
        const std::string in = before.ends_with('|') ? "" : " <" + File("stdin", input).string();
        const int status = std::system((before + " " + m_tool + " " + args + in + Redirected()).c_str());
        return {WEXITSTATUS(status), FileBytes(m_dir / "stdout"), FileBytes(m_dir / "stderr")};
    }

    // Starts the tool with the arguments without waiting; its output goes to the files stdout and stderr.
    pid_t Start(const std::string& args)
    {
        const std::string command = "exec " + m_tool + " " + args + Redirected();
        const char* argv[] = {"sh", "-c", command.c_str(), nullptr};
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ), 0);
        return pid;
    }

    // The wait status of a started tool; one still running after 10 s is killed and the test fails.
    static int Wait(pid_t pid)
    {
        int status = 0;
        if (!Await([&] { return ::waitpid(pid, &status, WNOHANG) == pid; })) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            ADD_FAILURE() << "the tool was still running after 10 s";
        }
        return status;
    }

    // Whether a temporary file of the tool is in the test's directory.
    bool TemporaryLeft() const
    {
        return std::any_of(fs::directory_iterator(m_dir), fs::directory_iterator(), [](const fs::directory_entry& entry) {
            return entry.path().filename().string().starts_with(".stepchain-");
        });
    }

    fs::path m_dir = fs::temp_directory_path() / ("stepchain-tool-" + std::to_string(::getpid()));
    std::string m_tool = STEPCHAIN_TOOL;
};
