#include "SystemText.h"

#include <wx/strconv.h>

std::string ToSystemBytes(const wxString& text)
{
#ifdef __WINDOWS__
    const wxCharBuffer bytes = text.mb_str(wxConvLocal);
#else
    const wxCharBuffer bytes = text.utf8_str();
#endif
    return std::string(bytes.data(), bytes.length());
}

wxString FromSystemBytes(const std::string& bytes)
{
#ifdef __WINDOWS__
    return wxString(bytes.data(), wxConvLocal, bytes.size());
#else
    static const wxMBConvUTF8 lenient(wxMBConvUTF8::MAP_INVALID_UTF8_TO_OCTAL);
    return wxString(bytes.data(), lenient, bytes.size());
#endif
}
