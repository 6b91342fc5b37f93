#pragma once

#include <string>

#include <wx/string.h>

// What the window's fields hold, as the bytes that go into files and file names: the
// system's 8-bit text (UTF-8 here, the ANSI code page on Windows), and back for display.
std::string ToSystemBytes(const wxString& text);

// Bytes for display. A sequence that is not valid text is shown escaped, never dropped.
wxString FromSystemBytes(const std::string& bytes);
