#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

// A fresh, empty folder that is the current directory for the length of a test;
// removed again afterwards, with the previous current directory restored.
class ScratchFolder {
public:
    ScratchFolder()
    {
        namespace fs = std::filesystem;
        previous_ = fs::current_path();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("kelvane-") + (info ? info->name() : "test") + "-";
        for (int i = 0;; ++i) {
            path_ = fs::temp_directory_path() / (name + std::to_string(i));
            if (fs::create_directory(path_))
                break;
        }
        fs::current_path(path_);
    }
    ~ScratchFolder()
    {
        namespace fs = std::filesystem;
        std::error_code ignored;
        fs::current_path(previous_, ignored);
        // A test may have left folders read-only.
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
        for (fs::recursive_directory_iterator it(path_, ignored), end; !ignored && it != end; it.increment(ignored))
            if (it->is_directory(ignored))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // The page folders a user sets up beside the program.
    static void MakePageFolders()
    {
        std::filesystem::create_directories("HTML/TavlioEng");
        std::filesystem::create_directories("HTML/TavlioJpn");
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Plain files below `folder` (none when it is missing), and among them the
// temporaries a write leaves only when it is killed.
inline long FilesBelow(const std::filesystem::path& folder, bool temporariesOnly = false)
{
    std::error_code ec;
    long count = 0;
    for (std::filesystem::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const bool temporary = it->path().filename().string().starts_with(".kelvane-");
        count += it->is_regular_file() && (temporary || !temporariesOnly);
    }
    return count;
}

inline long TemporariesBelow(const std::filesystem::path& folder)
{
    return FilesBelow(folder, true);
}
