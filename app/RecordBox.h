#pragma once

#include <string>

#include <wx/stc/stc.h>

// The record box: a plain multi-line text box that keeps the record's bytes exactly.
// It is filled and read as bytes, never through wxString, so line ends (CR LF, LF, CR),
// trailing blanks and bytes that are not valid text all stay as they are; a paste,
// from the keyboard, the context menu or a middle click, goes in byte for byte too.
class RecordBox : public wxStyledTextCtrl {
public:
    RecordBox(wxWindow* parent, const wxPoint& pos, const wxSize& size, const wxString& name);

    std::string GetBytes() const;
    void SetBytes(const std::string& bytes); // replaces the whole text
    void InsertBytes(const std::string& bytes); // at the caret, over the selection

    void SetLook(const wxFont& font, const wxColour& colour);

private:
    void OnKeyDown(wxKeyEvent& event);
    void OnMiddleUp(wxMouseEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void PasteClipboard();
};
