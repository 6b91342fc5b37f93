// Faults injected into real runs of kelvane-export: writes cut short, runs killed part-way,
// files and folders it may not write. Each case checks the exact message, the exit code,
// and that nothing already saved was lost.
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "RunExport.h"
#include "ScratchFolder.h"
#include "ViewerPage.h"

namespace fs = std::filesystem;

namespace {

const std::string kOldRecord = "(;GM[1]C[the record saved before]\r\n;B[pd])\r\n";
const std::string kOldPage = ComposeViewerPage("game", "f8e0e0", kOldRecord, ViewerLanguage::English);

std::string Record(std::size_t size, char fill)
{
    std::string record = "(;GM[1]C[";
    record.append(size - record.size() - 2, fill);
    return record + "])";
}

// As root, file modes are not enforced: the runs switch to an ordinary user.
std::string AsOrdinaryUser()
{
    if (::geteuid() != 0)
        return "";
    for (const auto& entry : fs::recursive_directory_iterator("."))
        ::lchown(entry.path().c_str(), 65534, 65534);
    ::chown(".", 65534, 65534);
    return "setpriv --reuid=65534 --regid=65534 --clear-groups";
}

enum class Expect { Old, New };

// Which of the two a file holds, without printing megabytes when it is neither.
std::string Which(const std::string& bytes, const std::string& old, const std::string& updated)
{
    if (bytes == old)
        return "old";
    if (bytes == updated)
        return "new";
    return "neither (" + std::to_string(bytes.size()) + " bytes)";
}

struct FaultCase {
    const char* what;
    std::function<void()> arrange;
    std::string limit; // a command the run goes through, e.g. a file-size limit
    std::string name;
    std::size_t recordSize;
    std::string message; // standard error, whole
    Expect record;
    Expect page;
};

TEST(FaultInjection, EachFaultIsReportedAndLosesNothing)
{
    const std::string cutWrite = "kelvane-export: ｽﾄﾘｰﾑへの書き込みｴﾗｰ\n";
    const std::string cannotMakeRecord = "kelvane-export: ﾌｧｲﾙ ./SGF/game.sgf を作成できません\n";
    const std::string cannotMakePage = "kelvane-export: ﾌｧｲﾙ ./HTML/TavlioEng/game.htm を作成できません\n";
    const std::string longName(300, 'n');
    const FaultCase cases[] = {
        {"file-size limit cuts the record file", [] {}, "prlimit --fsize=65536 ", "game", 1 << 20, cutWrite, Expect::Old,
         Expect::Old},
        {"file-size limit cuts the page only", [] {}, "prlimit --fsize=65536 ", "game", 65450, cutWrite, Expect::New,
         Expect::Old},
        {"read-only record file", [] { fs::permissions("SGF/game.sgf", fs::perms(0444)); }, "", "game", 1000,
         cannotMakeRecord, Expect::Old, Expect::Old},
        {"read-only record folder", [] { fs::permissions("SGF", fs::perms(0555)); }, "", "game", 1000,
         cannotMakeRecord, Expect::Old, Expect::Old},
        {"read-only page", [] { fs::permissions("HTML/TavlioEng/game.htm", fs::perms(0444)); }, "", "game", 1000,
         cannotMakePage, Expect::New, Expect::Old},
        {"missing page folder", [] { fs::rename("HTML/TavlioEng", "HTML/elsewhere"); }, "", "game", 1000,
         cannotMakePage, Expect::New, Expect::Old},
        {"record folder is a plain file", [] { fs::rename("SGF", "SGF.saved"); WriteBytes("SGF", "plain"); }, "",
         "game", 1000, cannotMakeRecord, Expect::Old, Expect::Old},
        {"name too long for a file name", [] {}, "", longName, 1000,
         "kelvane-export: ﾌｧｲﾙ ./SGF/" + longName + ".sgf を作成できません\n", Expect::Old, Expect::Old},
        {"name reaching into a missing folder", [] {}, "", "no/where", 1000,
         "kelvane-export: ﾌｧｲﾙ ./SGF/no/where.sgf を作成できません\n", Expect::Old, Expect::Old},
    };

    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder scratch;
        ScratchFolder::MakePageFolders();
        WriteBytes("old", kOldRecord);
        ASSERT_EQ(RunExport("--name game old").exitCode, 0);
        const std::string newRecord = Record(c.recordSize, 'x');
        WriteBytes("new", newRecord);
        c.arrange();
        const std::string user = AsOrdinaryUser();

        const Outcome run = RunExport("--name " + Quoted(c.name) + " new", c.limit + user);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, c.message);

        const std::string recordFile = fs::exists("SGF.saved") ? "SGF.saved/game.sgf" : "SGF/game.sgf";
        const std::string pageFile = fs::exists("HTML/elsewhere") ? "HTML/elsewhere/game.htm" : "HTML/TavlioEng/game.htm";
        const std::string newPage = ComposeViewerPage("game", "f8e0e0", newRecord, ViewerLanguage::English);
        EXPECT_EQ(Which(ReadBytes(recordFile), kOldRecord, newRecord), c.record == Expect::Old ? "old" : "new");
        EXPECT_EQ(Which(ReadBytes(pageFile), kOldPage, newPage), c.page == Expect::Old ? "old" : "new");
        EXPECT_EQ(TemporariesBelow("."), 0);
    }
}

pid_t StartExport(const char* recordFile)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const int in = ::open(recordFile, O_RDONLY);
        ::dup2(in, 0);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 2);
        ::execl(KELVANE_EXPORT_BINARY, KELVANE_EXPORT_BINARY, "--name", "game", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return child;
}

// A run killed at any moment leaves each file whole: the old one or the new one.
TEST(FaultInjection, KilledAnywhereLeavesTheOldFileOrTheNewOne)
{
    ScratchFolder scratch;
    ScratchFolder::MakePageFolders();
    fs::create_directories("SGF");
    const std::string oldRecord = Record(8 << 20, 'o');
    const std::string newRecord = Record(6 << 20, 'n');
    const std::string oldPage = ComposeViewerPage("game", "f8e0e0", oldRecord, ViewerLanguage::English);
    const std::string newPage = ComposeViewerPage("game", "f8e0e0", newRecord, ViewerLanguage::English);
    WriteBytes("new", newRecord);

    // How long one whole run takes here, to spread the kills over it.
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    ::waitpid(StartExport("new"), &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto whole = std::chrono::steady_clock::now() - start;

    constexpr int kKills = 30;
    int oldSeen = 0, newSeen = 0;
    for (int k = 0; k < kKills; ++k) {
        SCOPED_TRACE("kill " + std::to_string(k));
        WriteBytes("SGF/game.sgf", oldRecord);
        WriteBytes("HTML/TavlioEng/game.htm", oldPage);

        const pid_t child = StartExport("new");
        std::this_thread::sleep_for(whole * k / kKills);
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);

        const std::string record = ReadBytes("SGF/game.sgf");
        const std::string page = ReadBytes("HTML/TavlioEng/game.htm");
        EXPECT_TRUE(record == oldRecord || record == newRecord) << "torn record file, " << record.size() << " bytes";
        EXPECT_TRUE(page == oldPage || page == newPage) << "torn page, " << page.size() << " bytes";
        oldSeen += record == oldRecord;
        newSeen += record == newRecord;
        // Only the killed run's own temporaries may be left, one a folder at the most.
        EXPECT_LE(TemporariesBelow("SGF"), 1);
        EXPECT_LE(TemporariesBelow("HTML"), 1);
        for (const auto& entry : fs::recursive_directory_iterator("."))
            if (entry.path().filename().string().starts_with(".kelvane-"))
                fs::remove(entry.path());
    }
    RecordProperty("killed_with_old_record", oldSeen);
    RecordProperty("killed_with_new_record", newSeen);
    std::printf("%d kills: record file old %d times, new %d times\n", kKills, oldSeen, newSeen);
}

} // namespace
