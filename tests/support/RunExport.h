#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/wait.h>

#include "ScratchFolder.h"
#include "Shell.h"

// One run of the built kelvane-export in the current directory.
struct Outcome {
    int exitCode;
    std::string out;
    std::string err;
};

// `arguments` goes through the shell as it stands, so it can redirect standard input;
// `prefix` goes before the program (a ulimit, a command that changes the user).
inline Outcome RunExport(const std::string& arguments, const std::string& prefix = "")
{
    const std::string command =
        prefix + " '" + KELVANE_EXPORT_BINARY + "' " + arguments + " >.out 2>.err";
    const int status = std::system(command.c_str());
    Outcome outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(".out"), ReadBytes(".err")};
    std::filesystem::remove(".out");
    std::filesystem::remove(".err");
    return outcome;
}
