#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "FileErrors.h"
#include "MakeFiles.h"
#include "ScratchFolder.h"
#include "ViewerPage.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

const std::string kRecord = "(;GM[1]FF[4]CA[Shift_JIS]\r\nPB[\x95\x5C]C[\"quoted\" & <b>]\r\n;B[pd];W[dp])\r\n";

ExportRequest Request(std::string record, std::string title, ViewerLanguage language = ViewerLanguage::English)
{
    return {std::move(record), std::move(title), "f8e0e0", language};
}


TEST(MakeFiles, EmptyRecordTouchesNothing)
{
    ScratchFolder scratch;
    EXPECT_EQ(MakeFiles(Request("", "game")), MakeFilesResult::Skipped);
    EXPECT_TRUE(fs::is_empty(scratch.path())) << "not even the record folder is made";
}

TEST(MakeFiles, WritesTheRecordByteForByteAndThePageOfTheChosenLanguage)
{
    for (ViewerLanguage language : {ViewerLanguage::English, ViewerLanguage::Japanese}) {
        ScratchFolder scratch;
        ScratchFolder::MakePageFolders();
        const std::string record = kRecord + "\n\r trailing blank \0 NUL"s;

        EXPECT_EQ(MakeFiles(Request(record, "my game.sgf", language)), MakeFilesResult::Written);

        const fs::path page = language == ViewerLanguage::English ? "HTML/TavlioEng/my game.htm"
                                                                  : "HTML/TavlioJpn/my game.htm";
        const fs::path otherPage = language == ViewerLanguage::English ? "HTML/TavlioJpn" : "HTML/TavlioEng";
        EXPECT_EQ(ReadBytes("SGF/my game.sgf"), record);
        EXPECT_EQ(ReadBytes(page), ComposeViewerPage("my game", "f8e0e0", record, language));
        EXPECT_TRUE(fs::is_empty(otherPage));
        EXPECT_EQ(std::distance(fs::directory_iterator("SGF"), fs::directory_iterator()), 1)
            << "nothing but the record file in the record folder";
    }
}

TEST(MakeFiles, EmptyTitleGivesNoTitle)
{
    ScratchFolder scratch;
    ScratchFolder::MakePageFolders();
    MakeFiles(Request(kRecord, ""));
    EXPECT_EQ(ReadBytes("SGF/NoTitle.sgf"), kRecord);
    EXPECT_NE(ReadBytes("HTML/TavlioEng/NoTitle.htm").find("<TITLE>NoTitle</TITLE>"), std::string::npos);
}

TEST(MakeFiles, SecondRunReplacesBothFiles)
{
    ScratchFolder scratch;
    ScratchFolder::MakePageFolders();
    MakeFiles(Request(std::string(100000, 'x'), "game"));
    MakeFiles(Request("(;)", "game"));
    EXPECT_EQ(ReadBytes("SGF/game.sgf"), "(;)");
    EXPECT_EQ(ReadBytes("HTML/TavlioEng/game.htm"), ComposeViewerPage("game", "f8e0e0", "(;)", ViewerLanguage::English));
}

struct FailureCase {
    const char* what;
    std::function<void()> arrange;
    std::string title;
    ViewerLanguage language;
    std::string message;
    bool recordFileWritten;
};

TEST(MakeFiles, EachFailureEndsTheRunAtItsStepWithItsMessage)
{
    const FailureCase cases[] = {
        {"missing Japanese page folder", [] { fs::create_directories("HTML/TavlioEng"); }, "game",
         ViewerLanguage::Japanese, "ﾌｧｲﾙ ./HTML/TavlioJpn/game.htm を作成できません", true},
        {"record folder is a plain file", [] { ScratchFolder::MakePageFolders(); WriteBytes("SGF", "x"); }, "game",
         ViewerLanguage::English, "ﾌｧｲﾙ ./SGF/game.sgf を作成できません", false},
        {"record file name is a folder", [] { ScratchFolder::MakePageFolders(); fs::create_directories("SGF/game.sgf"); },
         "game", ViewerLanguage::English, "ﾌｧｲﾙ ./SGF/game.sgf を作成できません", false},
        {"name reaching into a missing folder", [] { ScratchFolder::MakePageFolders(); }, "nowhere/game",
         ViewerLanguage::English, "ﾌｧｲﾙ ./SGF/nowhere/game.sgf を作成できません", false},
        {"name longer than a file name can be", [] { ScratchFolder::MakePageFolders(); }, std::string(300, 'n'),
         ViewerLanguage::English, "ﾌｧｲﾙ ./SGF/" + std::string(300, 'n') + ".sgf を作成できません", false},
        {"name holding a NUL byte", [] { ScratchFolder::MakePageFolders(); }, "a\0b"s, ViewerLanguage::English,
         "ﾌｧｲﾙ ./SGF/a\0b.sgf を作成できません"s, false},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder scratch;
        c.arrange();
        try {
            MakeFiles(Request(kRecord, c.title, c.language));
            ADD_FAILURE() << "no error";
        } catch (const FileCreateError& e) {
            EXPECT_EQ(e.message(), c.message);
        }
        EXPECT_EQ(fs::is_regular_file("SGF/game.sgf"), c.recordFileWritten);
        EXPECT_EQ(FilesBelow("HTML"), 0) << "no page is written";
        EXPECT_EQ(TemporariesBelow("."), 0);
    }
}

} // namespace
