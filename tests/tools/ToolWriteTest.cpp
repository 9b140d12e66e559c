// Where the tool writes: output targets, runs at the same time, signals.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include "tools/ToolFixture.h"

namespace {

const std::string kW0 = Stored("W0=1");
const std::string kW9 = Stored("W9=1");

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
        // The old list is the longer one: nothing of it may be left after the new one.
        {"hard links all show the new list", "cat w0 w0 >t && ln t t2 && $T store w9 -o t && cmp t2 w9 && "
                                             "[ $(stat -c %i:%h t) = $(stat -c %i t2):2 ]"},
    };
    for (const auto& [name, script] : cases) {
        Empty();
        File("w0", kW0);
        File("w9", kW9);
        const std::string command = "cd " + m_dir.string() + " && T=" + m_tool + " && (" + script + ") >out 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << name << ": " << FileBytes(m_dir / "out");
        EXPECT_FALSE(TemporaryLeft()) << name;
    }
}

// The tool reads the FIFO, the second of three lists, makes the new bytes
// of the others beside them, writes the first and stops on the FIFO until
// the test reads it; meanwhile the third becomes a folder, which cannot be
// replaced. The FIFO is used with a time limit: a tool that stopped early
// fails the test instead of hanging it.
TEST_F(Tool, InPlaceTellsWhichListsWereWrittenWhenALateWriteFails)
{
    const fs::path first = File("first", kW0);
    const fs::path fifo = m_dir / "fifo";
    const fs::path third = File("third", kW0);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const pid_t tool = Start("rename W0 W9 " + first.string() + " " + fifo.string() + " " + third.string() + " --in-place");
    EXPECT_EQ(std::system(("timeout 10 cp " + third.string() + " " + fifo.string()).c_str()), 0);
    EXPECT_TRUE(Await([&] { return FileBytes(first) == kW9; }));
    fs::remove(third);
    fs::create_directory(third);
    EXPECT_EQ(std::system(("timeout 10 cat " + fifo.string() + " >" + (m_dir / "got").string()).c_str()), 0);
    EXPECT_EQ(WEXITSTATUS(Wait(tool)), 2);
    EXPECT_EQ(FileBytes(m_dir / "stderr"), "stepchain: " + third.string() + ": cannot replace: Is a directory; written: " +
                                              first.string() + ", " + fifo.string() + "; not written: " + third.string() + "\n");
    EXPECT_EQ(FileBytes(m_dir / "got"), kW9);
    EXPECT_FALSE(TemporaryLeft());
}

// Two runs that rename other names in the same two lists, named in opposite
// orders: both lock the lists in one order, so neither holds one list while
// it waits for the other, and neither's change is lost.
TEST_F(Tool, RunsOnTheSameListsWaitForEachOther)
{
    const std::string before = Stored("W0=1 X0=1");
    fs::path low = File("a", before), high = File("b", before);
    struct stat a {}, b {};
    ASSERT_EQ(::stat(low.c_str(), &a) + ::stat(high.c_str(), &b), 0);
    if (a.st_ino > b.st_ino)
        std::swap(low, high);
    const int held = ::open(low.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const pid_t first = Start("rename W0 W1 " + low.string() + " " + high.string() + " --in-place");
    const pid_t second = Start("rename X0 X1 " + high.string() + " " + low.string() + " --in-place");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const int probe = ::open(high.c_str(), O_RDONLY | O_CLOEXEC);
    EXPECT_EQ(::flock(probe, LOCK_EX | LOCK_NB), 0) << "a run holds one list while it waits for the other";
    ::close(probe);
    EXPECT_EQ(FileBytes(low) + FileBytes(high), before + before) << "a run did not wait for the lock";
    ::close(held);
    EXPECT_EQ(WEXITSTATUS(Wait(first)), 0);
    EXPECT_EQ(WEXITSTATUS(Wait(second)), 0);
    EXPECT_EQ(FileBytes(low) + FileBytes(high), Stored("W1=1 X1=1") + Stored("W1=1 X1=1"));
}

// The tool prepares the new list beside the target, then waits for the
// test's lock on the target; a signal then leaves the target whole and no
// temporary file behind.
TEST_F(Tool, SignalsRemoveTheTemporaryFile)
{
    const fs::path target = File("target", kW0);
    const int held = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const pid_t tool = Start("store " + File("in", kW9).string() + " -o " + target.string());
    ASSERT_TRUE(Await([&] { return TemporaryLeft(); }));
    ::kill(tool, SIGTERM);
    const int status = Wait(tool);
    ::close(held);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_FALSE(TemporaryLeft());
    EXPECT_EQ(FileBytes(target), kW0);
}

}
