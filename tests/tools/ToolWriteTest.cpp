// Where the tool writes: output targets, runs at the same time, signals.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include "tools/ToolFixture.h"

namespace {

const std::string kW0 = Stored([](CStepchainData& l) { SetValue(l, "W0", "1"); });
const std::string kW9 = Stored([](CStepchainData& l) { SetValue(l, "W9", "1"); });

// A list longer than the file size limit that the tests set, and than a
// pipe holds unread (64 KiB).
std::string Long(const std::string& name)
{
    return Stored([&](CStepchainData& l) {
        for (int row = 0; row < 5000; ++row)
            SetValue(l, name, "1");
    });
}

// A file size limit of 4 to 8 KiB (the shell counts in blocks of 512 or
// 1024 bytes) that makes a longer write fail instead of stopping the tool.
const std::string kSmallFiles = "trap '' XFSZ; ulimit -f 8;";

// Each script runs in the test's folder, with the tool as $T and the lists
// w0 and w9, and succeeds when the tool wrote as it should.
TEST_F(Tool, TargetsAreWrittenWhereTheyLead)
{
    const std::pair<const char*, std::string> cases[] = {
        {"FIFO written into, kept", "mkfifo t && { timeout 10 cat t >got & } && timeout 10 $T store w9 -o t && wait && test -p t && cmp got w9"},
        {"link followed, kept", "cp w0 real && ln -s real t && $T rename W0 W9 t --in-place && test -L t && cmp real w9"},
        // Neither the bits of a new file (0644 after the usual umask) nor those of the temporary one (0600).
        {"mode and owner kept", "cp w0 t && chmod 640 t && { [ $(id -u) != 0 ] || chown 4321:8765 t; } && "
                                "$T store w9 -o t && cmp t w9 && [ $(stat -c %a t) = 640 ] && "
                                "{ [ $(id -u) != 0 ] || [ $(stat -c %u:%g t) = 4321:8765 ]; }"},
        {"new file under the umask", "umask 027 && $T store w9 -o t && cmp t w9 && [ $(stat -c %a t) = 640 ]"},
        {"hard links all show the new list", "cp w0 t && ln t t2 && $T store w9 -o t && cmp t2 w9 && "
                                             "[ $(stat -c %i:%h t) = $(stat -c %i t2):2 ]"},
    };
    for (const auto& [name, script] : cases) {
        fs::remove_all(m_dir);
        fs::create_directory(m_dir);
        File("w0", kW0);
        File("w9", kW9);
        const std::string command = "cd " + m_dir.string() + " && T=" + m_tool + " && (" + script + ") >" +
                                    (m_dir / "out").string() + " 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << name << ": " << ReadFile(m_dir / "out");
        EXPECT_FALSE(TemporaryLeft()) << name;
    }
}

TEST_F(Tool, FailedWritesToStandardOutputAreTold)
{
    const Result result = Run("store " + File("list.stepchain", Long("W0")).string() + " -o -", "", kSmallFiles);
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.err, "stepchain: standard output: cannot write: File too large\n");
}

TEST_F(Tool, InPlaceWritesNothingUnlessEveryListCanBeWritten)
{
    const fs::path small = File("small.stepchain", kW0);
    const fs::path large = File("large.stepchain", Long("W0"));
    const Result result = Run("rename W0 W9 " + small.string() + " " + large.string() + " --in-place", "", kSmallFiles);
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.err, "stepchain: " + large.string() +
                              ": cannot write a temporary file beside it: File too large; nothing written\n");
    EXPECT_EQ(ReadFile(small), kW0);
    EXPECT_FALSE(TemporaryLeft());
}

// The tool reads the FIFO, the second of three lists, makes the new bytes
// of the others beside them, writes the first and stops on the FIFO until
// the test reads it; meanwhile the third becomes a folder, which cannot be
// replaced.
// The FIFO is used with a time limit: a tool that stopped early fails the
// test instead of hanging it.
TEST_F(Tool, InPlaceTellsWhichListsWereWrittenWhenALateWriteFails)
{
    const fs::path first = File("first.stepchain", kW0);
    const fs::path fifo = m_dir / "fifo";
    const fs::path third = File("third.stepchain", kW0);
    File("long", Long("W0"));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const pid_t tool = Start("rename W0 W9 " + first.string() + " " + fifo.string() + " " + third.string() + " --in-place");
    const std::string fifoAt = " " + fifo.string() + " ";
    EXPECT_EQ(std::system(("timeout 10 cp " + (m_dir / "long").string() + fifoAt).c_str()), 0);
    EXPECT_TRUE(Await([&] { return ReadFile(first) == kW9; }));
    fs::remove(third);
    fs::create_directory(third);
    EXPECT_EQ(std::system(("timeout 10 cat" + fifoAt + ">" + (m_dir / "got").string()).c_str()), 0);
    EXPECT_EQ(WEXITSTATUS(Wait(tool)), 2);
    EXPECT_EQ(ReadFile(m_dir / "stderr"), "stepchain: " + third.string() +
                                              ": cannot replace: Is a directory; written: " + first.string() + ", " +
                                              fifo.string() + "; not written: " + third.string() + "\n");
    EXPECT_EQ(ReadFile(first), kW9);
    EXPECT_EQ(ReadFile(m_dir / "got"), Long("W9"));
    EXPECT_FALSE(TemporaryLeft());
}

// Two runs that rename other names in the same lists, given in opposite
// orders, while the test holds both lists: each waits for the other and
// neither's change is lost.
TEST_F(Tool, RunsOnTheSameListsWaitForEachOther)
{
    const std::string both = Stored([](CStepchainData& l) {
        SetValue(l, "W0", "1");
        SetValue(l, "X0", "1");
    });
    const fs::path a = File("a.stepchain", both);
    const fs::path b = File("b.stepchain", both);
    std::vector<int> held;
    for (const fs::path& list : {a, b}) {
        held.push_back(::open(list.c_str(), O_RDONLY | O_CLOEXEC));
        ASSERT_EQ(::flock(held.back(), LOCK_EX), 0);
    }
    const pid_t first = Start("rename W0 W1 " + a.string() + " " + b.string() + " --in-place");
    const pid_t second = Start("rename X0 X1 " + b.string() + " " + a.string() + " --in-place");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    for (const pid_t run : {first, second}) {
        siginfo_t info{};
        ::waitid(P_PID, static_cast<id_t>(run), &info, WEXITED | WNOHANG | WNOWAIT);
        EXPECT_EQ(info.si_pid, 0) << "a run did not wait for the lock";
    }
    for (int fd : held)
        ::close(fd);
    EXPECT_EQ(WEXITSTATUS(Wait(first)), 0);
    EXPECT_EQ(WEXITSTATUS(Wait(second)), 0);
    const std::string renamed = Stored([](CStepchainData& l) {
        SetValue(l, "W1", "1");
        SetValue(l, "X1", "1");
    });
    EXPECT_EQ(ReadFile(a), renamed);
    EXPECT_EQ(ReadFile(b), renamed);
}

// The tool prepares the new list beside the target, then waits for the
// test's lock on the target; a signal then leaves the target whole and no
// temporary file behind.
TEST_F(Tool, SignalsRemoveTheTemporaryFile)
{
    const fs::path in = File("in.stepchain", kW9);
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        const fs::path target = File("target.stepchain", kW0);
        const int held = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(::flock(held, LOCK_EX), 0);
        const pid_t tool = Start("store " + in.string() + " -o " + target.string());
        ASSERT_TRUE(Await([&] { return TemporaryLeft(); }));
        ::kill(tool, signal);
        const int status = Wait(tool);
        ::close(held);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_FALSE(TemporaryLeft());
        EXPECT_EQ(ReadFile(target), kW0);
    }
}

}
