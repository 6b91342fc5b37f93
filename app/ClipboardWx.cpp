// Other toolkits: the clipboard's plain text through wx, as a custom format so that
// the bytes come as they are.
#include "Clipboard.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

namespace Clipboard {

std::optional<std::string> ReadText(std::chrono::milliseconds)
{
    wxClipboardLocker locker;
    if (!locker)
        return std::nullopt;
    wxCustomDataObject data{wxDataFormat(wxDF_TEXT)};
    if (!wxTheClipboard->IsSupported(data.GetFormat()) || !wxTheClipboard->GetData(data))
        return std::nullopt;
    std::string text(static_cast<const char*>(data.GetData()), data.GetSize());
    return text.substr(0, text.find('\0'));
}

std::optional<std::string> ReadPrimarySelection(std::chrono::milliseconds timeout)
{
    return ReadText(timeout);
}

} // namespace Clipboard
