#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// The two ways writing a file can fail. Both end a Make Files run at the step that
// failed; the window and the command line show their message as it stands.
class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& message) : std::runtime_error(message), message_(message) {}
    // The whole message; what() stops at a NUL byte that a path may hold.
    const std::string& message() const { return message_; }

private:
    std::string message_;
};

// A file could not be created or replaced; the message names the path as formed.
class FileCreateError : public FileError {
public:
    explicit FileCreateError(const std::string& path);
    const std::string& path() const { return path_; }

    // The message is kBefore + path + kAfter.
    static constexpr std::string_view kBefore = "ﾌｧｲﾙ ";
    static constexpr std::string_view kAfter = " を作成できません";

private:
    std::string path_;
};

// Fewer bytes reached the file than were asked for (disk full, size limit, ...).
class StreamWriteError : public FileError {
public:
    StreamWriteError();
};
