#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// kelvane-export: Make Files without the window, for scripts and batches.
//   kelvane-export [--name TEXT] [--colour TEXT] [--language english|japanese] [FILE...]
// Each FILE (or standard input, for none or "-") is one record, exported into the
// current directory exactly as the window's Make Files button would.
//
// Returns the exit status: 0 when every record was written or skipped, 1 when a file
// could not be written (the other records still go through), 2 for a usage error or
// a record that could not be read.
int RunExportCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                     std::ostream& err);
