#pragma once

#include <cstdlib>
#include <string>

#include <sys/wait.h>

// Runs a shell command; its exit status.
inline int Shell(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// `text` as one word for the shell.
inline std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
