#pragma once

#include <wx/frame.h>
#include <wx/timer.h>

class RecordBox;
class wxButton;
class wxPanel;
class wxRadioButton;
class wxStaticText;
class wxTextCtrl;

// The main window: the record box, the file name and colour fields, the viewer
// choice, Make Files and Reset. Built from its form description (Unit1Form.cpp).
class TForm1 : public wxFrame {
public:
    TForm1();

    // Replaces the record box's text with the clipboard's text, or empties it when the
    // clipboard holds none.
    void ReadClipboardIntoRecordBox();

    void Button1Click(wxEvent& sender); // Make Files
    void Button2Click(wxEvent& sender); // Reset
    void Timer1Timer(wxEvent& sender);  // puts the focus into the file name field, once

    RecordBox* Memo1 = nullptr;
    wxStaticText* Label1 = nullptr;
    wxStaticText* Label2 = nullptr;
    wxStaticText* Label3 = nullptr;
    wxButton* Button1 = nullptr;
    wxButton* Button2 = nullptr;
    wxRadioButton* RadioButton1 = nullptr;
    wxRadioButton* RadioButton2 = nullptr;
    wxTextCtrl* Edit1 = nullptr;
    wxTextCtrl* Edit2 = nullptr;
    wxTimer Timer1;

private:
    void BuildFromDescription();
    template <typename Control> Control* Find(const char* name);

    wxPanel* panel_ = nullptr;
};

extern TForm1* Form1;

// Set by the focus timer's first tick, for the whole process; never set back.
extern int FocusFlag;
