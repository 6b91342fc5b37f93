#include "MakeFiles.h"

#include <filesystem>
#include <system_error>

#include "BaseName.h"
#include "OutputPaths.h"
#include "ReplaceFile.h"
#include "ViewerPage.h"

namespace {

// Only the record folder is made on demand. Its outcome is not checked here: when the
// folder cannot be made, writing the record file fails and names that file.
void EnsureRecordFolder()
{
    const std::filesystem::path folder(RecordFolderPath());
    std::error_code ignored;
    if (!std::filesystem::is_directory(folder, ignored))
        std::filesystem::create_directory(folder, ignored);
}

} // namespace

MakeFilesResult MakeFiles(const ExportRequest& request)
{
    if (request.RecordText.empty())
        return MakeFilesResult::Skipped;

    EnsureRecordFolder();
    const std::string baseName = DeriveBaseName(request.TitleText);
    ReplaceFile(RecordFilePath(baseName), request.RecordText);
    ReplaceFile(PageFilePath(baseName, request.Language),
                ComposeViewerPage(baseName, request.ColourText, request.RecordText, request.Language));
    return MakeFilesResult::Written;
}
