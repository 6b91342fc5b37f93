#include "ReplaceFile.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <random>

#include "FileErrors.h"

#ifdef _WIN32
#define NOMINMAX
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

std::string FolderOf(const std::string& path)
{
    std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? std::string(".") : folder;
}

// A name for the temporary that no other run picks: short, so that a long base name
// does not make it too long, and hidden, so that it stays out of the way.
std::string TemporaryName(const std::string& folder)
{
    static std::atomic<unsigned> counter{0};
    thread_local std::mt19937_64 random{std::random_device{}()};
    char name[48];
    std::snprintf(name, sizeof name, ".kelvane-%08x%04x.tmp", static_cast<unsigned>(random()),
                  counter.fetch_add(1) & 0xffffu);
    return (std::filesystem::path(folder) / name).string();
}

struct TargetMode {
    bool exists = false;
    unsigned mode = 0; // permission bits of the file being replaced
};

#ifdef _WIN32

// A target that exists must be one a plain open-for-writing would accept.
TargetMode CheckTargetWritable(const std::string& path)
{
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return {};
    HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        throw FileCreateError(path);
    CloseHandle(probe);
    return {true, 0};
}

class TemporaryFile {
public:
    // Creates a new temporary in `folder`; false when the folder cannot hold one.
    bool Create(const std::string& folder, const TargetMode&)
    {
        for (int attempt = 0; attempt < 8; ++attempt) {
            path_ = TemporaryName(folder);
            handle_ = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle_ != INVALID_HANDLE_VALUE)
                return true;
            if (GetLastError() != ERROR_FILE_EXISTS)
                break;
        }
        path_.clear();
        return false;
    }
    ~TemporaryFile()
    {
        CloseFile();
        if (!path_.empty())
            DeleteFileA(path_.c_str());
    }

    bool WriteFlushClose(std::string_view bytes)
    {
        while (!bytes.empty()) {
            DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            DWORD written = 0;
            if (!WriteFile(handle_, bytes.data(), chunk, &written, nullptr) || written == 0)
                return false;
            bytes.remove_prefix(written);
        }
        return FlushFileBuffers(handle_) && CloseFile();
    }

    bool MoveOver(const std::string& target)
    {
        if (!MoveFileExA(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return false;
        path_.clear();
        return true;
    }

private:
    bool CloseFile()
    {
        bool ok = handle_ == INVALID_HANDLE_VALUE || CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return ok;
    }
    std::string path_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

#else

// A plain open-and-truncate would fail on a target that is not writable; so does this,
// before anything is written. The target is opened only to test, never changed.
TargetMode CheckTargetWritable(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return {}; // a new file; a missing folder fails when the temporary is made
    if (S_ISDIR(status.st_mode))
        throw FileCreateError(path);
    int probe = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (probe < 0)
        throw FileCreateError(path);
    ::close(probe);
    return {true, static_cast<unsigned>(status.st_mode & 07777)};
}

class TemporaryFile {
public:
    // Creates a new temporary in `folder`; false when the folder cannot hold one.
    // It gets 0666 less the umask, like any new file, or the replaced file's own bits.
    bool Create(const std::string& folder, const TargetMode& target)
    {
        folder_ = folder;
        for (int attempt = 0; attempt < 8; ++attempt) {
            path_ = TemporaryName(folder);
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
            if (fd_ >= 0) {
                if (target.exists)
                    (void)::fchmod(fd_, static_cast<mode_t>(target.mode));
                return true;
            }
            if (errno != EEXIST)
                break;
        }
        path_.clear();
        return false;
    }
    ~TemporaryFile()
    {
        CloseFile();
        if (!path_.empty())
            ::unlink(path_.c_str());
    }

    bool WriteFlushClose(std::string_view bytes)
    {
        while (!bytes.empty()) {
            ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return ::fsync(fd_) == 0 && CloseFile();
    }

    bool MoveOver(const std::string& target)
    {
        if (::rename(path_.c_str(), target.c_str()) != 0)
            return false;
        path_.clear();
        // Make the rename itself durable; a folder that cannot be synced changes nothing else.
        int dir = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            (void)::fsync(dir);
            ::close(dir);
        }
        return true;
    }

private:
    bool CloseFile()
    {
        bool ok = fd_ < 0 || ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }
    std::string folder_;
    std::string path_;
    int fd_ = -1;
};

#endif

} // namespace

void ReplaceFile(const std::string& path, std::string_view bytes)
{
    // A NUL byte would silently cut the name short at the system call.
    if (path.find('\0') != std::string::npos)
        throw FileCreateError(path);

    const TargetMode target = CheckTargetWritable(path);
    TemporaryFile temporary; // removed again unless it became the target
    if (!temporary.Create(FolderOf(path), target))
        throw FileCreateError(path);
    if (!temporary.WriteFlushClose(bytes))
        throw StreamWriteError();
    if (!temporary.MoveOver(path))
        throw FileCreateError(path);
}
