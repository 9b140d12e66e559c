// Where the tool writes: output targets, runs at the same time, signals.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <functional>

#include "tools/ListBuilder.h"
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

struct stat Stat(const fs::path& path)
{
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

// Reads a FIFO on a thread of its own while the tool writes it.
class FifoReader {
public:
    explicit FifoReader(const fs::path& fifo)
        : m_thread([this, fifo] { m_bytes = ReadFile(fifo); })
    {
    }
    std::string Bytes()
    {
        m_thread.join();
        return m_bytes;
    }

private:
    std::string m_bytes;
    std::thread m_thread;
};

TEST_F(Tool, MinusIsStandardOutputForEveryCommandThatWrites)
{
    const fs::path list = File("list.stepchain", kW0);
    const fs::path text = File("list.json", Run("dump " + list.string()).out);
    const std::string cases[][2] = {
        {"store LIST -o -", kW0},
        {"merge-limit LIST --limit 0 -o -", kW0},
        {"rename LIST W0 W9 -o -", kW9},
        {"dump LIST -o -", ReadFile(text)},
        {"build TEXT -o -", kW0},
    };
    for (const auto& [command, expected] : cases) {
        std::string args = command;
        args.replace(args.find(command[0] == 'b' ? "TEXT" : "LIST"), 4, command[0] == 'b' ? text : list);
        const Result result = Run(args);
        EXPECT_EQ(result.code, 0) << command << ": " << result.err;
        EXPECT_EQ(ToHex(result.out), ToHex(expected)) << command;
    }
    EXPECT_EQ(Run("rename " + list.string() + " W0 W9 -o -").err, "plain names changed\n");
    EXPECT_FALSE(fs::exists("-"));
    EXPECT_FALSE(fs::exists(m_dir / "-"));
}

TEST_F(Tool, TargetsAreWrittenWhereTheyLead)
{
    const fs::path in = File("in.stepchain", kW9);
    const struct {
        const char* name;
        std::function<fs::path()> prepare;  // the target
        std::function<void(const fs::path& target)> check;
    } cases[] = {
        {"FifoWrittenIntoAndKept",
         [&] {
             ::mkfifo((m_dir / "fifo").c_str(), 0600);
             return m_dir / "fifo";
         },
         [&](const fs::path& fifo) { EXPECT_TRUE(S_ISFIFO(Stat(fifo).st_mode)); }},
        {"LinkFollowedAndKept",
         [&] {
             File("real.stepchain", kW0);
             fs::create_symlink("real.stepchain", m_dir / "link");
             return m_dir / "link";
         },
         [&](const fs::path& link) {
             EXPECT_TRUE(fs::is_symlink(link));
             EXPECT_EQ(ReadFile(m_dir / "real.stepchain"), kW9);
         }},
        {"LinkToAFileNotThereYet",
         [&] {
             fs::create_symlink("later.stepchain", m_dir / "link");
             return m_dir / "link";
         },
         [&](const fs::path& link) {
             EXPECT_TRUE(fs::is_symlink(link));
             EXPECT_EQ(ReadFile(m_dir / "later.stepchain"), kW9);
         }},
        // Neither the bits of a new file (0644 after the usual umask) nor those of the temporary one (0600).
        {"ModeAndOwnerKept",
         [&] {
             const fs::path list = File("kept.stepchain", kW0);
             ::chmod(list.c_str(), 0640);
             if (::geteuid() == 0) {
                 EXPECT_EQ(::chown(list.c_str(), 4321, 8765), 0);
             }
             return list;
         },
         [&](const fs::path& list) {
             EXPECT_EQ(Stat(list).st_mode & 07777, 0640u);
             if (::geteuid() == 0) {
                 EXPECT_EQ(Stat(list).st_uid, 4321u);
                 EXPECT_EQ(Stat(list).st_gid, 8765u);
             }
         }},
        {"HardLinksAllShowTheNewList",
         [&] {
             File("first.stepchain", kW0);
             fs::create_hard_link(m_dir / "first.stepchain", m_dir / "second.stepchain");
             return m_dir / "first.stepchain";
         },
         [&](const fs::path& first) {
             EXPECT_EQ(ReadFile(m_dir / "second.stepchain"), kW9);
             EXPECT_EQ(Stat(first).st_ino, Stat(m_dir / "second.stepchain").st_ino);
             EXPECT_EQ(Stat(first).st_nlink, 2u);
         }},
        {"LongestLegalName", [&] { return m_dir / (std::string(245, 'n') + ".stepchain"); },
         [](const fs::path&) {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path target = c.prepare();
        auto reader = fs::exists(target) && S_ISFIFO(Stat(target).st_mode) ? std::make_unique<FifoReader>(target)
                                                                          : nullptr;
        const Result result = Run("store " + in.string() + " -o " + target.string());
        EXPECT_EQ(result.code, 0) << result.err;
        EXPECT_EQ(reader ? reader->Bytes() : ReadFile(target), kW9);
        c.check(target);
        EXPECT_TRUE(Named(".stepchain-").empty());
        for (const auto& entry : fs::directory_iterator(m_dir)) {
            if (entry.path() != in)
                fs::remove(entry.path());
        }
    }
    // A new file gets the bits that the umask leaves.
    EXPECT_EQ(Run("store " + in.string() + " -o " + (m_dir / "new.stepchain").string(), "", "umask 027;").code, 0);
    EXPECT_EQ(Stat(m_dir / "new.stepchain").st_mode & 07777, 0640u);
}

TEST_F(Tool, InPlaceFollowsLinks)
{
    const fs::path real = File("real.stepchain", kW0);
    fs::create_symlink("real.stepchain", m_dir / "link");
    const Result result = Run("rename W0 W9 " + (m_dir / "link").string() + " --in-place");
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(ReadFile(real), kW9);
    EXPECT_TRUE(fs::is_symlink(m_dir / "link"));
}

TEST_F(Tool, FailedWritesToStandardOutputAreTold)
{
    const fs::path list = File("list.stepchain", Long("W0"));
    const struct {
        std::string args;
        std::string before;
        std::string out;
        std::string reason;
    } cases[] = {
        {"script " + list.string(), "", ">&-", "Bad file descriptor"},
        {"store " + list.string() + " -o -", kSmallFiles, "", "File too large"},
    };
    for (const auto& c : cases) {
        const Result result = Run(c.args, "", c.before, c.out);
        EXPECT_EQ(result.code, 2) << c.args;
        EXPECT_EQ(result.err, "stepchain: standard output: cannot write: " + c.reason + "\n");
    }
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
    EXPECT_TRUE(Named(".stepchain-").empty());
}

// The tool stops on the FIFO, the second of three lists, until the test
// has read it; meanwhile the third becomes a folder, which cannot be replaced.
TEST_F(Tool, InPlaceTellsWhichListsWereWrittenWhenALateWriteFails)
{
    const fs::path first = File("first.stepchain", kW0);
    const fs::path fifo = m_dir / "fifo";
    const fs::path third = File("third.stepchain", kW0);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const pid_t tool = Start({"rename", "W0", "W9", first, fifo, third, "--in-place"});
    WriteFile(fifo, Long("W0"));
    std::ifstream written(fifo, std::ios::binary);
    fs::remove(third);
    fs::create_directory(third);
    std::ostringstream bytes;
    bytes << written.rdbuf();
    const int status = Wait(tool);
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_EQ(ReadFile(m_dir / "stderr"), "stepchain: " + third.string() +
                                              ": cannot replace: Is a directory; written: " + first.string() + ", " +
                                              fifo.string() + "; not written: " + third.string() + "\n");
    EXPECT_EQ(ReadFile(first), kW9);
    EXPECT_EQ(bytes.str(), Long("W9"));
    EXPECT_TRUE(Named(".stepchain-").empty());
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
    const pid_t first = Start({"rename", "W0", "W1", a, b, "--in-place"});
    const pid_t second = Start({"rename", "X0", "X1", b, a, "--in-place"});
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
        const pid_t tool = Start({"store", in, "-o", target});
        for (int tries = 0; tries < 10000 && Named(".stepchain-").empty(); ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ASSERT_FALSE(Named(".stepchain-").empty());
        ::kill(tool, signal);
        const int status = Wait(tool);
        ::close(held);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_TRUE(Named(".stepchain-").empty());
        EXPECT_EQ(ReadFile(target), kW0);
    }
}

}
