#pragma once

#include <string>
#include <string_view>

#include "ViewerLanguage.h"

// Where a Make Files run writes, relative to the current directory. The paths are
// formed by plain concatenation, so a message can name them exactly as formed.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

std::string RecordFolderPath();                                    // ./SGF
std::string RecordFilePath(std::string_view baseName);             // ./SGF/NAME.sgf
std::string PageFolderPath(ViewerLanguage language);               // ./HTML/TavlioEng
std::string PageFilePath(std::string_view baseName, ViewerLanguage language); // .../NAME.htm
