#include "RecordBox.h"

#include <wx/menu.h>

#include "Clipboard.h"

RecordBox::RecordBox(wxWindow* parent, const wxPoint& pos, const wxSize& size, const wxString& name)
    : wxStyledTextCtrl(parent, wxID_ANY, pos, size, wxBORDER_SUNKEN | wxALWAYS_SHOW_SB, name)
{
    // The look of a plain text box: no margins, no line numbers, no caret line, no wrap.
    for (int margin = 0; margin < 5; ++margin)
        SetMarginWidth(margin, 0);
    SetMargins(2, 2);
    SetCaretLineVisible(false);
    SetWrapMode(wxSTC_WRAP_NONE);
    SetUseHorizontalScrollBar(true);
    SetUseVerticalScrollBar(true);
    SetScrollWidth(1);
    SetScrollWidthTracking(true);
    SetLexer(wxSTC_LEX_NULL);

    // A line break the user types is CR LF; pasted and imported text is not touched.
    SetEOLMode(wxSTC_EOL_CRLF);
    SetPasteConvertEndings(false);

    // Scintilla's own paste converts line ends whatever the settings say: take it over.
    CmdKeyClear('V', wxSTC_KEYMOD_CTRL);
    CmdKeyClear(WXK_INSERT, wxSTC_KEYMOD_SHIFT);
    UsePopUp(wxSTC_POPUP_NEVER);
    Bind(wxEVT_KEY_DOWN, &RecordBox::OnKeyDown, this);
    Bind(wxEVT_MIDDLE_UP, &RecordBox::OnMiddleUp, this);
    Bind(wxEVT_MIDDLE_DOWN, [this](wxMouseEvent&) { SetFocus(); });
    Bind(wxEVT_CONTEXT_MENU, &RecordBox::OnContextMenu, this);
}

std::string RecordBox::GetBytes() const
{
    const wxCharBuffer bytes = const_cast<RecordBox*>(this)->GetTextRaw();
    return std::string(bytes.data(), bytes.length());
}

void RecordBox::SetBytes(const std::string& bytes)
{
    ClearAll();
    AddTextRaw(bytes.data(), static_cast<int>(bytes.size()));
    EmptyUndoBuffer();
    GotoPos(0);
}

void RecordBox::InsertBytes(const std::string& bytes)
{
    BeginUndoAction();
    ReplaceSelection(wxString());
    AddTextRaw(bytes.data(), static_cast<int>(bytes.size()));
    EndUndoAction();
    EnsureCaretVisible();
}

void RecordBox::SetLook(const wxFont& font, const wxColour& colour)
{
    StyleSetFont(wxSTC_STYLE_DEFAULT, font);
    StyleSetForeground(wxSTC_STYLE_DEFAULT, colour);
    StyleSetBackground(wxSTC_STYLE_DEFAULT, *wxWHITE);
    StyleClearAll();
}

void RecordBox::PasteClipboard()
{
    if (GetReadOnly())
        return;
    if (std::optional<std::string> text = Clipboard::ReadText())
        InsertBytes(*text);
}

void RecordBox::OnKeyDown(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    const int modifiers = event.GetModifiers();
    if ((key == 'V' && modifiers == wxMOD_CONTROL) || (key == WXK_INSERT && modifiers == wxMOD_SHIFT)) {
        PasteClipboard();
        return;
    }
    // Tab moves on to the next control, as in any text box of a form.
    if (key == WXK_TAB && (modifiers == wxMOD_NONE || modifiers == wxMOD_SHIFT)) {
        Navigate(modifiers == wxMOD_SHIFT ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
        return;
    }
    event.Skip();
}

void RecordBox::OnMiddleUp(wxMouseEvent& event)
{
    // X11's primary selection: paste where the click was.
    const int pos = PositionFromPoint(event.GetPosition());
    SetSelection(pos, pos);
    if (std::optional<std::string> text = Clipboard::ReadPrimarySelection())
        InsertBytes(*text);
}

void RecordBox::OnContextMenu(wxContextMenuEvent&)
{
    const bool selection = GetSelectionStart() != GetSelectionEnd();
    wxMenu menu;
    menu.Append(wxID_UNDO)->Enable(CanUndo());
    menu.Append(wxID_REDO)->Enable(CanRedo());
    menu.AppendSeparator();
    menu.Append(wxID_CUT)->Enable(selection);
    menu.Append(wxID_COPY)->Enable(selection);
    menu.Append(wxID_PASTE);
    menu.Append(wxID_DELETE)->Enable(selection);
    menu.AppendSeparator();
    menu.Append(wxID_SELECTALL);

    switch (GetPopupMenuSelectionFromUser(menu)) {
    case wxID_UNDO: Undo(); break;
    case wxID_REDO: Redo(); break;
    case wxID_CUT: Cut(); break;
    case wxID_COPY: Copy(); break;
    case wxID_PASTE: PasteClipboard(); break;
    case wxID_DELETE: Clear(); break;
    case wxID_SELECTALL: SelectAll(); break;
    default: break;
    }
}
