#include <chrono>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>

#include "Clipboard.h"
#include "WindowTestSupport.h"

namespace {

TEST(Clipboard, TakesEachTextFormatAsBytes)
{
    struct Case {
        const char* target;
        std::string offered;
        std::string read;
    };
    const Case cases[] = {
        {"UTF8_STRING", "(;C[\xe6\x97\xa5\r\n])", "(;C[\xe6\x97\xa5\r\n])"},
        {"text/plain;charset=utf-8", "(;C[caf\xc3\xa9]\n)", "(;C[caf\xc3\xa9]\n)"},
        {"STRING", "(;C[caf\xe9]\r)", "(;C[caf\xc3\xa9]\r)"}, // ISO-8859-1 becomes UTF-8
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        SetClipboard(c.offered, "clipboard", c.target);
        EXPECT_EQ(Clipboard::ReadText(), c.read);
    }
}

TEST(Clipboard, NoTextIsNothing)
{
    EXPECT_EQ(Clipboard::ReadText(), std::nullopt) << "no owner";
    SetClipboard("GIF89a", "clipboard", "image/gif");
    EXPECT_EQ(Clipboard::ReadText(), std::nullopt) << "a picture only";
}

// An owner that never answers must not freeze the window: the read gives up after its
// timeout, sleeping meanwhile, and a second read does the same.
TEST(Clipboard, OwnerThatNeverAnswersIsAnEmptyClipboard)
{
    FILE* owner = ::popen(X11_HELPER " hang-clipboard", "r");
    ASSERT_NE(owner, nullptr);
    char line[16] = {};
    ASSERT_NE(std::fgets(line, sizeof line, owner), nullptr);

    for (int attempt = 0; attempt < 2; ++attempt) {
        rusage before{}, after{};
        ::getrusage(RUSAGE_SELF, &before);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Clipboard::ReadText(), std::nullopt);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ::getrusage(RUSAGE_SELF, &after);
        const double cpu = static_cast<double>(after.ru_utime.tv_sec - before.ru_utime.tv_sec) +
                           static_cast<double>(after.ru_utime.tv_usec - before.ru_utime.tv_usec) / 1e6;
        RecordProperty("wait_ms_" + std::to_string(attempt), static_cast<int>(seconds * 1000));
        RecordProperty("cpu_ms_" + std::to_string(attempt), static_cast<int>(cpu * 1000));
        // Hang detectors, far from the 2 s timeout: a freeze takes 30 s or more, at full CPU.
        EXPECT_LT(seconds, 10.0);
        EXPECT_LT(cpu, seconds / 2);
    }
    ::kill(std::stoi(line), SIGTERM);
    ::pclose(owner);
}

} // namespace
