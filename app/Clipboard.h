#pragma once

#include <chrono>
#include <optional>
#include <string>

// The platform's clipboard, read as plain text bytes: opened, read and closed within
// one call, never written. The bytes are the clipboard's own, with nothing converted
// but what the platform's text format demands (see each platform's implementation).
namespace Clipboard {

// How long an owner of the clipboard may take to hand over its text. One that does
// not answer in time is treated as an empty clipboard.
inline constexpr std::chrono::milliseconds kOwnerTimeout{2000};

// The clipboard's text, or nothing when it holds none (only a picture, say, or nothing
// at all), when it cannot be opened, or when its owner does not answer in time.
std::optional<std::string> ReadText(std::chrono::milliseconds timeout = kOwnerTimeout);

// The X primary selection (what a middle click pastes) where there is one; elsewhere
// the same as ReadText.
std::optional<std::string> ReadPrimarySelection(std::chrono::milliseconds timeout = kOwnerTimeout);

} // namespace Clipboard
