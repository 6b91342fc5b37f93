#include "ExportCommand.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string_view>

#include "FileErrors.h"
#include "MakeFiles.h"

namespace {

constexpr std::string_view kProgram = "kelvane-export";
constexpr std::string_view kUsage =
    "usage: kelvane-export [--name TEXT] [--colour TEXT] [--language english|japanese] [FILE...]";

constexpr std::string_view kHelp = R"(
Writes each game record as ./SGF/NAME.sgf, byte for byte, and a viewer page
./HTML/TavlioEng/NAME.htm (or ./HTML/TavlioJpn/NAME.htm for the Japanese viewer)
in the current directory. The page folders must exist; ./SGF is made when missing.

  FILE                  a record to export; none, or "-", reads standard input
  --name TEXT           the file name; NAME is the text before its first full stop,
                        NoTitle when empty (default: the FILE's own name, or empty
                        for standard input); only with a single record
  --colour TEXT         the page's background colour, six hex digits (default f8e0e0)
  --language LANG       english or japanese: the viewer variant (default english)
  --help, --version     print this help or the version and exit

Exit status: 0 all written (an empty record is skipped, with a note), 1 a file
could not be written, 2 bad arguments or a record that could not be read.
)";

struct Options {
    std::optional<std::string> name;
    std::string colour = "f8e0e0";
    ViewerLanguage language = ViewerLanguage::English;
    std::vector<std::string> files;
    bool help = false;
    bool version = false;
};

struct UsageError {
    std::string message;
};

Options ParseOptions(const std::vector<std::string>& args)
{
    Options options;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg == "-" || arg.empty() || arg[0] != '-') {
            options.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyFiles = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg == "--version") {
            options.version = true;
            continue;
        }

        // --option VALUE or --option=VALUE
        std::string key = arg;
        std::optional<std::string> value;
        if (auto eq = arg.find('='); eq != std::string::npos) {
            key = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        if (key != "--name" && key != "--colour" && key != "--color" && key != "--language")
            throw UsageError{"unknown option " + arg};
        if (!value) {
            if (i + 1 == args.size())
                throw UsageError{key + " needs a value"};
            value = args[++i];
        }
        if (key == "--name")
            options.name = *value;
        else if (key == "--language") {
            if (*value == "english")
                options.language = ViewerLanguage::English;
            else if (*value == "japanese")
                options.language = ViewerLanguage::Japanese;
            else
                throw UsageError{"--language takes english or japanese, not " + *value};
        } else
            options.colour = *value;
    }
    if (options.name && options.files.size() > 1)
        throw UsageError{"--name goes with a single record, not " + std::to_string(options.files.size())};
    if (options.files.empty())
        options.files.push_back("-");
    return options;
}

std::optional<std::string> ReadAll(std::istream& stream)
{
    std::ostringstream bytes;
    bytes << stream.rdbuf();
    if (stream.bad())
        return std::nullopt;
    return std::move(bytes).str();
}

std::optional<std::string> ReadRecord(const std::string& file, std::istream& in)
{
    if (file == "-")
        return ReadAll(in);
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        return std::nullopt;
    // rdbuf() of an empty file sets failbit, which is no error here.
    std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    if (stream.bad())
        return std::nullopt;
    return bytes;
}

// The title the window's user would have typed for this record.
std::string TitleFor(const std::string& file, const Options& options)
{
    if (options.name)
        return *options.name;
    if (file == "-")
        return "";
    const auto slash = file.find_last_of("/\\");
    return slash == std::string::npos ? file : file.substr(slash + 1);
}

} // namespace

int RunExportCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                     std::ostream& err)
{
    Options options;
    try {
        options = ParseOptions(args);
    } catch (const UsageError& e) {
        err << kProgram << ": " << e.message << '\n' << kUsage << '\n';
        return 2;
    }
    if (options.help) {
        out << kUsage << '\n' << kHelp;
        return 0;
    }
    if (options.version) {
        out << kProgram << ' ' << KELVANE_VERSION << '\n';
        return 0;
    }

    int status = 0;
    for (const std::string& file : options.files) {
        const std::string shownName = file == "-" ? "standard input" : file;
        std::optional<std::string> record = ReadRecord(file, in);
        if (!record) {
            err << kProgram << ": cannot read " << shownName << '\n';
            status = 2;
            continue;
        }
        ExportRequest request{std::move(*record), TitleFor(file, options), options.colour, options.language};
        try {
            if (MakeFiles(request) == MakeFilesResult::Skipped)
                err << kProgram << ": " << shownName << " is empty, nothing written\n";
        } catch (const FileError& e) {
            err << kProgram << ": " << e.message() << '\n';
            status = std::max(status, 1);
        }
    }
    return status;
}
