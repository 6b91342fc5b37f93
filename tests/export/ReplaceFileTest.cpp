#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "FileErrors.h"
#include "ReplaceFile.h"
#include "ScratchFolder.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

#ifndef _WIN32

mode_t ModeOf(const char* path)
{
    struct stat status {};
    EXPECT_EQ(::stat(path, &status), 0);
    return status.st_mode & 07777;
}

TEST(ReplaceFile, NewFileGetsTheUsualPermissionsAndAReplacedOneKeepsItsOwn)
{
    ScratchFolder scratch;
    const mode_t previous = ::umask(027);
    ReplaceFile("./new.txt", "new");
    ::umask(previous);
    EXPECT_EQ(ModeOf("new.txt"), 0640u) << "0666 less the umask, not a temporary file's 0600";

    WriteBytes("kept.txt", "old");
    ::chmod("kept.txt", 0604);
    ReplaceFile("./kept.txt", "replaced");
    EXPECT_EQ(ReadBytes("kept.txt"), "replaced");
    EXPECT_EQ(ModeOf("kept.txt"), 0604u);
}

// A write cut short by a file-size limit: reported, the old file untouched, no temporary
// left. The limit needs a process of its own.
TEST(ReplaceFile, ShortWriteKeepsTheOldFileAndLeavesNoTemporary)
{
    ScratchFolder scratch;
    const std::string old = "(;GM[1];B[aa])";
    WriteBytes("game.sgf", old);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        int status = 10;
        try {
            ReplaceFile("./game.sgf", std::string(1 << 20, 'x'));
        } catch (const StreamWriteError& e) {
            status = std::string(e.what()) == "ｽﾄﾘｰﾑへの書き込みｴﾗｰ" ? 0 : 11;
        } catch (...) {
            status = 12;
        }
        ::_exit(status);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "10: no error, 11: another message, 12: another error";
    EXPECT_EQ(ReadBytes("game.sgf"), old);
    EXPECT_EQ(TemporariesBelow("."), 0);
}

#endif

} // namespace
