// End-to-end runs of the built kelvane-export in a scratch folder.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "RunExport.h"
#include "ScratchFolder.h"
#include "ViewerPage.h"

namespace fs = std::filesystem;

namespace {

const std::string kRecord = "(;GM[1]CA[UTF-8]\r\nC[\"q\" & <b>]\n;B[pd])";

TEST(ExportCommand, StandardInputWithAName)
{
    ScratchFolder scratch;
    ScratchFolder::MakePageFolders();
    WriteBytes("record", kRecord);
    const Outcome run = RunExport("--name 'kisei 7.sgf' --colour ffffff --language japanese < record");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadBytes("SGF/kisei 7.sgf"), kRecord);
    EXPECT_EQ(ReadBytes("HTML/TavlioJpn/kisei 7.htm"),
              ComposeViewerPage("kisei 7", "ffffff", kRecord, ViewerLanguage::Japanese));
}

TEST(ExportCommand, StandardInputWithoutANameIsNoTitle)
{
    ScratchFolder scratch;
    ScratchFolder::MakePageFolders();
    WriteBytes("record", kRecord);
    EXPECT_EQ(RunExport("- < record").exitCode, 0);
    EXPECT_EQ(ReadBytes("SGF/NoTitle.sgf"), kRecord);
    EXPECT_EQ(ReadBytes("HTML/TavlioEng/NoTitle.htm"),
              ComposeViewerPage("NoTitle", "f8e0e0", kRecord, ViewerLanguage::English));
}

TEST(ExportCommand, FilesAreNamedAfterThemselvesAndAFailureDoesNotStopTheRest)
{
    ScratchFolder scratch;
    ScratchFolder::MakePageFolders();
    fs::create_directories("games");
    WriteBytes("games/first.sgf", "(;B[aa])");
    WriteBytes("games/second.sgf", "(;B[bb])");
    WriteBytes("games/empty.sgf", "");
    fs::create_directories("SGF/first.sgf"); // the first record's file cannot be made

    const Outcome run = RunExport("games/first.sgf games/empty.sgf games/second.sgf");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "kelvane-export: ﾌｧｲﾙ ./SGF/first.sgf を作成できません\n"
                       "kelvane-export: games/empty.sgf is empty, nothing written\n");
    EXPECT_EQ(ReadBytes("SGF/second.sgf"), "(;B[bb])");
    EXPECT_TRUE(fs::exists("HTML/TavlioEng/second.htm"));
    EXPECT_FALSE(fs::exists("HTML/TavlioEng/first.htm"));
    EXPECT_FALSE(fs::exists("SGF/empty.sgf"));
}

TEST(ExportCommand, BadArgumentsAndUnreadableFilesExitWithTwo)
{
    struct Case {
        const char* arguments;
        const char* firstLineOfError;
    };
    const Case cases[] = {
        {"--name x a.sgf b.sgf", "kelvane-export: --name goes with a single record, not 2"},
        {"--language french", "kelvane-export: --language takes english or japanese, not french"},
        {"--colour", "kelvane-export: --colour needs a value"},
        {"--frobnicate", "kelvane-export: unknown option --frobnicate"},
        {"missing.sgf", "kelvane-export: cannot read missing.sgf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        ScratchFolder scratch;
        ScratchFolder::MakePageFolders();
        WriteBytes("a.sgf", "(;)");
        WriteBytes("b.sgf", "(;)");
        const Outcome run = RunExport(std::string(c.arguments) + " </dev/null");
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.firstLineOfError);
        EXPECT_FALSE(fs::exists("SGF")) << "nothing is written after a usage error";
    }
}

TEST(ExportCommand, HelpAndVersion)
{
    ScratchFolder scratch;
    const Outcome help = RunExport("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.starts_with("usage: kelvane-export")) << help.out;
    const Outcome version = RunExport("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.starts_with("kelvane-export ")) << version.out;
}

} // namespace
