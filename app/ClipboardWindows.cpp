// The Windows clipboard's CF_TEXT: the system's 8-bit code page, up to its NUL.
#include "Clipboard.h"

#define NOMINMAX
#include <windows.h>

#include <cstring>

namespace Clipboard {

std::optional<std::string> ReadText(std::chrono::milliseconds)
{
    if (!OpenClipboard(nullptr))
        return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            // The handle's size bounds the copy even if an owner left out the NUL.
            const SIZE_T size = GlobalSize(data);
            text.emplace(bytes, strnlen(bytes, size));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

std::optional<std::string> ReadPrimarySelection(std::chrono::milliseconds timeout)
{
    return ReadText(timeout);
}

} // namespace Clipboard
