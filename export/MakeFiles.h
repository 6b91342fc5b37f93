#pragma once

#include <string>

#include "ViewerLanguage.h"

// The inputs of one Make Files run, as the window (or the command line) holds them.
struct ExportRequest {
    std::string RecordText;  // the game record, bytes as they are
    std::string TitleText;   // the file name the user typed
    std::string ColourText;  // page background, six hex digits without '#'
    ViewerLanguage Language = ViewerLanguage::English;
};

enum class MakeFilesResult { Skipped, Written };

// Writes the record file ./SGF/NAME.sgf and the viewer page HTML/TavlioEng/NAME.htm
// (or TavlioJpn), creating ./SGF when it is missing; the page folders must exist.
// An empty record is skipped without touching anything. Throws FileCreateError or
// StreamWriteError at the step that failed; a record file already written stays.
MakeFilesResult MakeFiles(const ExportRequest& request);
