#pragma once

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/string.h>

// A font as the form describes it: a face, a character height in pixels and a
// character set. Where the face is not installed (the Windows faces on Linux), its
// metric-compatible stand-in is used.
struct FontDescription {
    const wchar_t* face;
    int pixelHeight;
    wxFontEncoding charset;
};

wxString InstalledFace(const wxString& face);
wxFont MakeFormFont(const FontDescription& font);
