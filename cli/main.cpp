#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "ExportCommand.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv)
{
#ifdef SIGXFSZ
    // Over a file-size limit a write should fail and be reported, not kill the process.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef _WIN32
    // A record is bytes: no CR LF translation on standard input.
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    return RunExportCommand(args, std::cin, std::cout, std::cerr);
}
