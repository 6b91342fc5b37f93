#include "OutputPaths.h"

namespace {

std::string Join(std::initializer_list<std::string_view> parts)
{
    std::string path;
    for (std::string_view part : parts) {
        if (!path.empty())
            path += kPathSeparator;
        path += part;
    }
    return path;
}

} // namespace

std::string RecordFolderPath()
{
    return Join({".", "SGF"});
}

std::string RecordFilePath(std::string_view baseName)
{
    return Join({".", "SGF", std::string(baseName) + ".sgf"});
}

std::string PageFolderPath(ViewerLanguage language)
{
    return Join({".", "HTML", language == ViewerLanguage::English ? "TavlioEng" : "TavlioJpn"});
}

std::string PageFilePath(std::string_view baseName, ViewerLanguage language)
{
    return PageFolderPath(language) + kPathSeparator + std::string(baseName) + ".htm";
}
