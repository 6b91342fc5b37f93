// The real program, driven as a user drives it: xclip owns the clipboard, xdotool
// clicks and types, and the files are compared byte for byte.
#include <csignal>
#include <string>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ViewerPage.h"
#include "WindowTestSupport.h"

namespace {

std::string Output(const std::string& command)
{
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
            out += buffer;
        ::pclose(pipe);
    }
    while (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

// The first window whose name is exactly `name`, waiting for it to be mapped.
std::string WaitForWindow(const std::string& name)
{
    std::string id;
    PumpUntil([&] {
        id = Output("xdotool search --onlyvisible --name " + Quoted("^" + name + "$") + " 2>/dev/null | head -n 1");
        return !id.empty();
    });
    return id;
}

// Clicks at a point given inside the window's client area.
void ClickAt(const std::string& window, int x, int y)
{
    const std::string geometry = Output("xdotool getwindowgeometry --shell " + window);
    const int left = std::stoi(geometry.substr(geometry.find("X=") + 2));
    const int top = std::stoi(geometry.substr(geometry.find("Y=") + 2));
    Shell("xdotool mousemove " + std::to_string(left + x) + " " + std::to_string(top + y) + " click 1");
}

class Program {
public:
    Program()
    {
        pid_ = ::fork();
        if (pid_ == 0) {
            ::execl(KELVANE_BINARY, KELVANE_BINARY, static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    ~Program()
    {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    // Asks `window` to close, as a window manager would, and gives the exit status
    // (-1 if the program did not end). The request is repeated: one that arrives while
    // the error dialog is still being taken down can be lost.
    int CloseAndWait(const std::string& window)
    {
        int status = 0;
        for (int attempt = 0; attempt < 5 && !exited_; ++attempt) {
            Shell(std::string(X11_HELPER) + " close " + window + " 2>/dev/null");
            exited_ = PumpUntil([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; }, std::chrono::seconds(2));
        }
        return exited_ && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
    bool exited_ = false;
};

TEST(KelvaneBinary, MakesTheFilesFromTheClipboardAndShowsAFailure)
{
    ScratchFolder scratch;
    ScratchFolder::MakePageFolders();
    const std::string record = "(;GM[1]FF[4]\r\nPB[\xe6\x9c\xac]C[\"a\" & <b>]\n;B[pd]\r;W[dp])\r\n";
    SetClipboard(record);

    Program kelvane;
    const std::string window = WaitForWindow(" Kelvane");
    ASSERT_FALSE(window.empty()) << "no window";
    Pump(std::chrono::milliseconds(300));

    ClickAt(window, 458 + 60, 296 + 13); // the file name field
    Shell("xdotool type --delay 20 kisei.sgf");
    ClickAt(window, 142 + 100, 326 + 19); // Make Files
    ASSERT_TRUE(PumpUntil([] { return std::filesystem::exists("HTML/TavlioEng/kisei.htm"); }));
    Pump(std::chrono::milliseconds(200));
    EXPECT_EQ(ReadBytes("SGF/kisei.sgf"), record);
    EXPECT_EQ(ReadBytes("HTML/TavlioEng/kisei.htm"),
              ComposeViewerPage("kisei", "f8e0e0", record, ViewerLanguage::English));

    // Without the page folder the run fails: one error dialog, closed with Return.
    std::filesystem::remove_all("HTML/TavlioEng");
    ClickAt(window, 142 + 100, 326 + 19);
    const std::string dialog = WaitForWindow("Kelvane");
    ASSERT_FALSE(dialog.empty()) << "no error dialog";
    EXPECT_EQ(ReadBytes("SGF/kisei.sgf"), record) << "the record file is written again, whole";
    Shell("xdotool windowfocus " + dialog + " 2>/dev/null; xdotool key Return");
    EXPECT_TRUE(PumpUntil([] {
        return Output("xdotool search --onlyvisible --name '^Kelvane$' 2>/dev/null").empty();
    })) << "the dialog did not close";

    // Closing the window ends the program with status 0.
    EXPECT_EQ(kelvane.CloseAndWait(window), 0);
}

} // namespace

namespace {

TEST(KelvaneBinary, WithoutADisplaySaysWhyAndFails)
{
    ScratchFolder scratch;
    const int status = Shell(std::string("env -u DISPLAY -u WAYLAND_DISPLAY '") + KELVANE_BINARY + "' 2>err");
    EXPECT_NE(status, 0);
    EXPECT_NE(ReadBytes("err").find("DISPLAY"), std::string::npos) << ReadBytes("err");
}

} // namespace
