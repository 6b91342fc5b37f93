#pragma once

#include <chrono>
#include <cstdlib>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>
#include <string>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/utils.h>

#include "ScratchFolder.h"
#include "Shell.h"

// Lets the toolkit handle what is pending (drawing, focus, clipboard traffic) for a while.
inline void Pump(std::chrono::milliseconds duration = std::chrono::milliseconds(100))
{
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
}

// Pumps events until `done` holds, or gives up after `limit`; whether it held.
inline bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(10))
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
    return true;
}

// Puts `bytes` on the display's clipboard (or primary selection), owned by xclip as
// another program would own it, and waits until it is there.
inline void SetClipboard(const std::string& bytes, const std::string& selection = "clipboard",
                         const std::string& target = "UTF8_STRING")
{
    const std::string file = std::filesystem::temp_directory_path() / ("kelvane-clip-" + std::to_string(::getpid()));
    WriteBytes(file, bytes);
    ASSERT_EQ(Shell("xclip -selection " + selection + " -t " + Quoted(target) + " -i " + Quoted(file) +
                    " >/dev/null 2>&1"),
              0);
    std::filesystem::remove(file);
    ASSERT_TRUE(PumpUntil([&] {
        return Shell("xclip -selection " + selection + " -o -t TARGETS 2>/dev/null | grep -qxF " + Quoted(target)) == 0;
    })) << "xclip did not take the " << selection;
}
